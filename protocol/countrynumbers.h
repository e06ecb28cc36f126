#ifndef CAMGUIDE_COUNTRYNUMBERS_H
#define CAMGUIDE_COUNTRYNUMBERS_H

#include <QLocale>

// The cameras were made against Qt 4 and read the country in the time
// command by Qt 4's numbering (Germany is 82 there, 91 in Qt 6). A
// territory Qt 4 did not know is 0, any country.
int qt4CountryNumber(QLocale::Territory territory);

#endif
