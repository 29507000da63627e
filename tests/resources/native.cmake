# The committed click sound is exactly what its generator writes.
add_test(NAME click-sound-generator
    COMMAND sh -c "python3 \"$0\" \"$1\" && cmp \"$1\" \"$2\""
            ${CMAKE_SOURCE_DIR}/resources/make-click-sound
            ${CMAKE_BINARY_DIR}/CLICK.generated.wav
            ${CMAKE_SOURCE_DIR}/resources/CLICK.wav)
