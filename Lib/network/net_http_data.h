#pragma once
// HTTP/1.1 requests (parsed from received bytes) and responses (built as text).

#include "net_buffer_th.h"
#include "net_def.h"

#include <map>
#include <string>
#include <vector>

namespace NSNet {

// Something read from the bytes of a connection.
class IHttpData {
public:
    enum enHttpType { GET = 1, POST = 2 };
    // The largest POST body accepted.
    enum { Default_Max_Post_Length = 2048 };

    virtual ~IHttpData() {}
    // Reads one message from the start of data (size bytes); on 0, size holds the bytes
    // it occupies. 0 complete, positive incomplete, negative malformed.
    virtual int parse(const BuffType* data, tuint32& size) = 0;
};

// One GET or POST request. A value filled by parse; not thread-safe.
class CHttpRequest : public IHttpData {
public:
    // Parse results besides 0 (complete).
    enum {
        Parse_Wait_Target = 1,       // the data ends within the request line's method or target
        Parse_Wait_Version = 2,      // the data ends within the version line
        Parse_Wait_Header = 11,      // the data ends within a header line
        Parse_Wait_Line_End = 12,    // the data ends at the CR or CR LF after a header line
        Parse_Wait_Body = 101,       // the POST body is not complete
        Parse_Bad_Method = -1,       // a method other than GET and POST
        Parse_Bad_Request_Line = -2, // a target or version longer than its limit
        Parse_Bad_Query = -11,       // a query item that is not exactly name=value
        Parse_Bad_Line_End = -21,    // a header line ended by LF alone
        Parse_Bad_CR = -22,          // a CR followed by something other than LF
        Parse_Bad_Header = -31,      // a header line without ": "
        Parse_No_Length = -101,      // a POST without "Content-Length"
        Parse_Bad_Length = -102,     // the length could not be read
        Parse_Too_Long = -103,       // a length above Default_Max_Post_Length
    };
    enum { Max_Method_Length = 15, Max_Url_Length = 1023, Max_Version_Length = 15, Post_Init_Capacity = 128 };

    CHttpRequest();

    int parse(const BuffType* data, tuint32& size) override;

    int getHttpType() const { return m_type; }
    const std::string& getUrl() const { return m_url; }
    const std::string& getPath() const { return m_path; }
    const std::map<std::string, std::string>& getQueryMap() const { return m_queryMap; }
    const std::map<std::string, std::string>& getRequestHeaderMap() const { return m_requestHeaderMap; }
    const CNetBufferTH& getPostData() const { return m_postData; }
    // True when the "Connection" header asks for keep-alive (letter case aside).
    bool isKeepAlive() const;

private:
    void reset();
    int parseUrl(const std::string& url);

    int m_type;                                             // enHttpType
    std::string m_url;                                      // the target as received
    std::string m_path;                                     // m_url before the first "?"
    std::map<std::string, std::string> m_queryMap;          // trimmed names and values
    std::map<std::string, std::string> m_requestHeaderMap;  // name -> value, untrimmed
    CNetBufferTH m_postData;                                // the POST body
};

// A response to send: status, content and headers, written out by generate. The status
// texts (m_statusMap) are fixed at start-up and only read afterwards.
class CHttpResponse : public IHttpData {
public:
    explicit CHttpResponse(bool keepAlive);

    // Responses are only built, never read back: always -1.
    int parse(const BuffType* data, tuint32& size) override;

    // out becomes the whole response text: the status line (a status without a text
    // becomes 400), the given headers (or the default ones), an empty line, the content.
    // 0, or -1 when out cannot hold it.
    int generate(CNetBufferTH& out, const std::string& content, const std::map<std::string, std::string>* headers,
                 int status) const;

    void setStatus(int status) { m_status = status; }
    void setContent(const std::string& content) { m_content = content; }
    void addHeader(const std::string& name, const std::string& value) { m_header[name] = value; }
    // generate over the response's own status, content and headers.
    int marshal(CNetBufferTH& out) const;

    static const std::map<int, std::string> m_statusMap; // status code -> reason text

private:
    bool m_keepAlive;
    int m_status;
    std::string m_content;
    std::map<std::string, std::string> m_header;
};

// Appends to out the pieces of text between delimiters, as reading lines by that
// delimiter gives them: empty pieces between consecutive delimiters, none after a
// trailing delimiter or for an empty text. 0.
int split(std::vector<std::string>& out, const std::string& text, char delimiter);
// The text without leading and trailing ' '.
std::string trim(const std::string& text);

} // namespace NSNet
