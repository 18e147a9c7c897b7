#include "transport/lien_mail.h"

#include "transport/service_mail.h"

#include <FL/filename.H>
#include <cstring>

int (*ouvrirUri)(const char* uri, char* msg, int msglen) = fl_open_uri;

namespace {

bool bAEchapper(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || std::strchr("%&#?\"<>", c);
}

}  // namespace

std::string convertMail(const char* text)
{
    static const char chiffres[] = "0123456789abcdef";
    std::string lien;
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text ? text : "");
    for (size_t i = 0; t[i]; ++i) {
        const unsigned char c = t[i];
        if (c == '\n' || c == '\r') {
            if (i > 0 && t[i - 1] != c)
                lien.append(c == '\n' ? "%0a" : "%0d");
        } else if (bAEchapper(c)) {
            lien.push_back('%');
            lien.push_back(chiffres[c >> 4]);
            lien.push_back(chiffres[c & 0xF]);
        } else {
            lien.push_back(char(c));
        }
    }
    return lien;
}

std::string lienMail(const char* text)
{
    return prefixeLienMail() + convertMail(text);
}
