// HTTP requests on the server side: bytes written by a client over a socket pair, read by
// the reactor into an HTTP session, which parses each complete request (request line,
// query, headers, a Content-Length body) and hands it to the unit; several requests may
// arrive in one piece (pipelining) or one request in many.
//
// Checks: the requests handed over are, in order, those that the parser reads from the
// whole stream at once (pieces and the ring's wrap change nothing), all of them unless
// the unit refused one or a request could never fit the session's buffer; nothing
// reaches the unit once its session is closed; and the session ends once its peer left.

#include "FuzzSupport.h"
#include "net_http_data.h"
#include "net_io.h"
#include "net_session.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using NSNet::BuffType;
using NSNet::SessionId;

const size_t Max_Stream = 1u << 18;

// What the unit sees of one request.
std::string Describe(const NSNet::CHttpRequest& request)
{
    std::string str = std::to_string(request.getHttpType()) + " " + request.getUrl() + " " + request.getPath();
    for (const auto& kv : request.getQueryMap()) {
        str += " q[" + kv.first + "]=" + kv.second;
    }
    for (const auto& kv : request.getRequestHeaderMap()) {
        str += " h[" + kv.first + "]=" + kv.second;
    }
    const NSNet::CNetBufferTH& body = request.getPostData();
    str += " body=" + std::string(reinterpret_cast<const char*>(body.begin()), body.size());
    str += request.isKeepAlive() ? " keep-alive" : "";
    return str;
}

class HttpUnit : public fuzz::PeerUnit {
public:
    HttpUnit() : fuzz::PeerUnit("FuzzHttp") {}

    tuint32 process(SessionId sid, const NSNet::CHttpRequest& request) override
    {
        CheckOpen(sid, "request " + request.getUrl());
        requests.push_back(Describe(request));
        if (request.getPath() == "/refuse") {
            bRefused = true;
            return 5;
        }
        // An answer, as a server gives one.
        NSNet::CHttpResponse response(request.isKeepAlive());
        response.setStatus(200);
        response.setContent(request.getPath());
        NSNet::CNetBufferTH out(64);
        if (response.marshal(out) == 0) {
            send(sid, out.begin(), out.size());
        }
        return 0;
    }

    std::vector<std::string> requests;
};

HttpUnit* s_pUnit = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    s_pUnit = new HttpUnit();   // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzedDataProvider in(pData, nSize);
    static const tuint32 s_aCapacities[] = {NSNet::CNetBuffer::Buffer_Init_Capacity, 1024, 64};
    const tuint32 nCapacity = in.PickValueInArray(s_aCapacities);

    HttpUnit& unit = *s_pUnit;
    unit.Reset();
    unit.requests.clear();
    std::string strStream;
    {
        NSNet::CHttpSession prototype(&unit, nCapacity);
        fuzz::SessionPeer peer(unit, prototype);
        if (!peer.Ok()) {
            fuzz::Fail("no socket pair");
        }
        bool bOpen = true;
        while (bOpen && in.remaining_bytes() > 0 && strStream.size() < Max_Stream) {
            // Pieces of any size; the last one takes what is left.
            const size_t nPiece = in.ConsumeIntegralInRange<size_t>(0, 2000);
            std::string strPiece = in.ConsumeBytesAsString(nPiece == 0 ? in.remaining_bytes() : nPiece);
            strStream += strPiece;
            bOpen = peer.Write(strPiece);
        }
        if (!peer.Leave([&] { return unit.bDeleted; })) {
            fuzz::Fail("the session stays open after its peer left (%zu bytes sent)", strStream.size());
        }
    }

    // The stream's requests as the parser reads them from the whole stream, up to the first
    // that is malformed, incomplete or larger than the session's buffer holds.
    std::vector<std::string> vExpected;
    const BuffType* p = reinterpret_cast<const BuffType*>(strStream.data());
    for (size_t o = 0; o < strStream.size();) {
        NSNet::CHttpRequest request;
        tuint32 nUsed = static_cast<tuint32>(strStream.size() - o);
        if (request.parse(p + o, nUsed) != 0) {
            break;
        }
        if (nUsed == 0 || nUsed > strStream.size() - o) {
            fuzz::Fail("a request of %u bytes read from %zu", nUsed, strStream.size() - o);
        }
        if (nUsed > nCapacity - 1) {
            break;
        }
        if (request.getUrl() != "/favicon.ico") {
            vExpected.push_back(Describe(request));
        }
        o += nUsed;
    }
    if (unit.requests.size() > vExpected.size()) {
        fuzz::Fail("%zu requests handed over, the stream has %zu", unit.requests.size(), vExpected.size());
    }
    for (size_t i = 0; i < unit.requests.size(); ++i) {
        if (unit.requests[i] != vExpected[i]) {
            fuzz::Fail("request %zu handed over is \"%s\", the stream's \"%s\"", i, unit.requests[i].c_str(),
                       vExpected[i].c_str());
        }
    }
    if (!unit.bRefused && unit.requests.size() != vExpected.size()) {
        fuzz::Fail("%zu of the stream's %zu requests handed over", unit.requests.size(), vExpected.size());
    }
    return 0;
}
