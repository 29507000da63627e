#include "tests/support/Conventions.h"

namespace vantrel::testing {

os::DateTimeConventions EnUs() {
    return {L"M/d/yyyy",
            L"dddd, MMMM d, yyyy",
            L"h:mm:ss tt",
            L"AM",
            L"PM",
            {L"January", L"February", L"March", L"April", L"May", L"June", L"July", L"August",
             L"September", L"October", L"November", L"December"},
            {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov",
             L"Dec"},
            {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"},
            {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"}};
}

os::DateTimeConventions EnGb() {
    os::DateTimeConventions c = EnUs();
    c.shortDate = L"dd/MM/yyyy";
    c.longDate = L"dd MMMM yyyy";
    c.longTime = L"HH:mm:ss";
    c.am = L"am";
    c.pm = L"pm";
    return c;
}

os::DateTimeConventions DeDe() {
    return {
        L"dd.MM.yyyy",
        L"dddd, d. MMMM yyyy",
        L"HH:mm:ss",
        L"",
        L"",
        {L"Januar", L"Februar", L"M\u00e4rz", L"April", L"Mai", L"Juni", L"Juli", L"August",
         L"September", L"Oktober", L"November", L"Dezember"},
        {L"Jan", L"Feb", L"M\u00e4r", L"Apr", L"Mai", L"Jun", L"Jul", L"Aug", L"Sep", L"Okt",
         L"Nov", L"Dez"},
        {L"Sonntag", L"Montag", L"Dienstag", L"Mittwoch", L"Donnerstag", L"Freitag", L"Samstag"},
        {L"So", L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa"}};
}

} // namespace vantrel::testing
