#ifndef CAMGUIDE_PORTAL_H
#define CAMGUIDE_PORTAL_H

// Fixed addresses of the cloud portal. The camera reports the base address
// for account requests itself; these are the ones the program knows on its own.
namespace portal {
// Host the cameras check their Internet access against.
inline constexpr char host[] = "www.skyvue.com";
inline constexpr char homePage[] = "http://www.skyvue.com/";
inline constexpr char faqPage[] = "http://www.skyvue.com/faq/";
inline constexpr char downloadPage[] = "http://www.skyvue.com/download/";
}  // namespace portal

#endif
