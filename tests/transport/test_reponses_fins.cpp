// When an answer ends, against the stand-in service.
#include "transport/service_http.h"

#include "tests/transport/transfert_test.h"

namespace {

using FinsReponses = Transfert;

}  // namespace

// Text before the marker, then the whole answer, and the server stays
// open: filed at once all the same.
TEST_F(FinsReponses, AWholeAnswerAfterOtherTextIsFiledThoughTheServerStaysOpen)
{
    DELAIS_HTTP.silenceMs = 120000;
    ASSERT_TRUE(service().bVariante("silence:Proxy-Connection: close"));
    const int canal = iLancer(texteGrib());
    ASSERT_GE(canal, 0);
    // A bound well within the silence limit: not a measure of speed.
    ASSERT_TRUE(bAttendreQue([&] { return structHTTP[canal].phase.load() == PHASE_RECUE; }, 90));
    EXPECT_TRUE(existe("etc/envois.txt"));
}
