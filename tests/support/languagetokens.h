#ifndef CAMGUIDE_TESTS_LANGUAGETOKENS_H
#define CAMGUIDE_TESTS_LANGUAGETOKENS_H

#include <QString>

#include <array>

// The language token the welcome window leaves in `lang` for each of the 24
// languages: the language's own name as its translation writes it. Thirteen
// go beyond ASCII, nine of them beyond Latin-1.
namespace languageTokens {

struct token {
    const char *code;  // the translation file's name
    const char *utf8;
};

inline constexpr std::array<token, 24> all{{
    {"en", "English"},
    {"fr", "Français"},
    {"ru", "Русский"},
    {"es", "Español"},
    {"pt", "Português (Portugal)"},
    {"pt_BR", "Português (Brasil)"},
    {"ja", "日本語"},
    {"zh_TW", "繁體中文"},
    {"zh_CN", "简体中文"},
    {"ko", "한국어"},
    {"cs", "Čeština"},
    {"da", "Dansk"},
    {"de", "Deutsch"},
    {"el", "Ελληνικά"},
    {"hr", "Hrvatski"},
    {"hu", "Magyar"},
    {"it", "Italiano"},
    {"nl", "Nederlands"},
    {"no", "Norsk"},
    {"pl", "Polski"},
    {"ro", "Română"},
    {"sl", "Slovenščina"},
    {"sv", "Svenska"},
    {"fi", "Suomi"},
}};

inline QString text(const token &t)
{
    return QString::fromUtf8(t.utf8);
}

}  // namespace languageTokens

#endif
