#include "transport/service_mail.h"

#include "gribdata/decode.h"

#include <memory>

namespace {

const char* const ADRESSE_STOCKEE = "6B6266706367646C3D66706361616B626129636B60666D6160";
const char* const USER_AGENT_STOCKE = "4A725A69606564652F242D2C23";
const char* const PREFIXE_STOCKE =
    "665E5E677262396B6266706367646C3D66706361616B626129636B60666D61603D556E5D7632";

std::string clair(const char* stocke)
{
    std::unique_ptr<char[]> t(decode(stocke));
    return t.get();
}

}  // namespace

std::string adresseServiceMail()
{
    return clair(ADRESSE_STOCKEE);
}

std::string userAgentMail()
{
    return clair(USER_AGENT_STOCKE);
}

std::string prefixeLienMail()
{
    return clair(PREFIXE_STOCKE);
}
