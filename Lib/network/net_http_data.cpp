#include "net_http_data.h"

#include <cctype>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace NSNet {

namespace {

// True when token is word or its beginning.
bool isPrefixOf(const std::string& token, const std::string& word) {
    return token.size() <= word.size() && word.compare(0, token.size(), token) == 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A Content-Length value: digits only. Text that starts with none of a digit, a sign or
// a blank is no number and reads 0. A sign or a blank (which a number reader would
// accept, a minus wrapping round to a huge length), anything behind the digits, or a
// value past 64 bits throws.
tuint64 readContentLength(const std::string& text) {
    if (text.empty() || (!isDigit(text[0]) && text[0] != '+' && text[0] != '-' &&
                         !std::isspace(static_cast<unsigned char>(text[0])))) {
        return 0;
    }
    tuint64 length = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            throw std::invalid_argument("Content-Length is not digits only");
        }
        const tuint64 digit = static_cast<tuint64>(c - '0');
        if (length > (std::numeric_limits<tuint64>::max() - digit) / 10) {
            throw std::out_of_range("Content-Length out of range");
        }
        length = length * 10 + digit;
    }
    return length;
}

} // namespace

// ---- split / trim ---------------------------------------------------------

int split(std::vector<std::string>& out, const std::string& text, char delimiter) {
    std::string::size_type start = 0;
    while (start < text.size()) {
        const std::string::size_type found = text.find(delimiter, start);
        if (found == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, found - start));
        start = found + 1;
    }
    return 0;
}

std::string trim(const std::string& text) {
    const std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    const std::string::size_type last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// ---- CHttpRequest ---------------------------------------------------------

CHttpRequest::CHttpRequest() : m_type(0), m_postData(Post_Init_Capacity) {}

void CHttpRequest::reset() {
    m_type = 0;
    m_url.clear();
    m_path.clear();
    m_queryMap.clear();
    m_requestHeaderMap.clear();
    m_postData.clear();
}

bool CHttpRequest::isKeepAlive() const {
    auto it = m_requestHeaderMap.find("Connection");
    if (it == m_requestHeaderMap.end()) {
        return false;
    }
    std::string value = it->second;
    for (char& c : value) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return value == "keep-alive";
}

int CHttpRequest::parseUrl(const std::string& url) {
    const std::string::size_type question = url.find('?');
    m_path = url.substr(0, question);
    if (question == std::string::npos) {
        return 0;
    }
    std::vector<std::string> items;
    split(items, url.substr(question + 1), '&');
    for (const std::string& item : items) {
        std::vector<std::string> parts;
        split(parts, item, '=');
        if (parts.size() != 2) {
            return Parse_Bad_Query;
        }
        m_queryMap.insert(std::make_pair(trim(parts[0]), trim(parts[1])));
    }
    return 0;
}

int CHttpRequest::parse(const BuffType* data, tuint32& size) {
    reset();
    const char* p = reinterpret_cast<const char*>(data);
    const tuint32 n = size;
    tuint32 pos = 0;

    // Method, up to a space.
    tuint32 start = pos;
    while (pos < n && p[pos] != ' ' && pos - start < Max_Method_Length) {
        ++pos;
    }
    const std::string method(p + start, pos - start);
    if (method == "GET") {
        m_type = GET;
    } else if (method == "POST") {
        m_type = POST;
    } else if (pos == n && (isPrefixOf(method, "GET") || isPrefixOf(method, "POST"))) {
        // The method itself is still arriving: refusing it would drop a sound request.
        return Parse_Wait_Target;
    } else {
        return Parse_Bad_Method;
    }
    if (pos < n && p[pos] == ' ') {
        ++pos;
    }

    // Target, up to a space.
    start = pos;
    while (pos < n && p[pos] != ' ') {
        // A longer target would be cut and the rest of the line misread as the version.
        if (pos - start >= Max_Url_Length) {
            return Parse_Bad_Request_Line;
        }
        ++pos;
    }
    if (pos >= n) {
        return Parse_Wait_Target;
    }
    m_url.assign(p + start, pos - start);
    ++pos;
    if (pos >= n) {
        return Parse_Wait_Target;
    }
    const int urlResult = parseUrl(m_url);
    if (urlResult != 0) {
        return urlResult;
    }

    // Version, up to a line feed; not kept.
    start = pos;
    while (pos < n && p[pos] != '\n') {
        if (pos - start >= Max_Version_Length) {
            return Parse_Bad_Request_Line;
        }
        ++pos;
    }
    if (pos >= n) {
        return Parse_Wait_Version;
    }
    ++pos;
    if (pos >= n) {
        return Parse_Wait_Version;
    }

    // Header lines, each ended by CR LF, up to an empty line. An empty first line is a
    // request without headers: the block ends there rather than waiting for ever.
    for (;;) {
        start = pos;
        while (pos < n && p[pos] != '\r' && p[pos] != '\n') {
            ++pos;
        }
        if (pos >= n) {
            return Parse_Wait_Header;
        }
        if (p[pos] == '\n') {
            return Parse_Bad_Line_End;
        }
        const tuint32 cr = pos;
        if (cr + 1 >= n) {
            return Parse_Wait_Line_End;
        }
        if (p[cr + 1] != '\n') {
            return Parse_Bad_CR;
        }
        pos = cr + 2;
        if (cr == start) {
            break; // the empty line
        }
        const std::string line(p + start, cr - start);
        const std::string::size_type colon = line.find(": ");
        if (colon == std::string::npos) {
            return Parse_Bad_Header;
        }
        m_requestHeaderMap.insert(std::make_pair(line.substr(0, colon), line.substr(colon + 2)));
        if (pos >= n) {
            return Parse_Wait_Line_End;
        }
    }

    if (m_type == GET) {
        size = pos;
        return 0;
    }

    auto it = m_requestHeaderMap.find("Content-Length");
    if (it == m_requestHeaderMap.end()) {
        return Parse_No_Length;
    }
    tuint64 length = 0;
    try {
        length = readContentLength(it->second);
    } catch (const std::exception& e) {
        std::printf("%s\n", e.what());
        std::fflush(stdout);
        return Parse_Bad_Length;
    }
    if (length > Default_Max_Post_Length) {
        std::printf("data error. length = %llu\n", length);
        std::fflush(stdout);
        return Parse_Too_Long;
    }
    const tuint32 bodySize = static_cast<tuint32>(length);
    if (n - pos < bodySize) {
        return Parse_Wait_Body;
    }
    if (m_postData.push_back(data + pos, bodySize) != 0) {
        return Parse_Bad_Length;
    }
    size = pos + bodySize;
    return 0;
}

// ---- CHttpResponse --------------------------------------------------------

const std::map<int, std::string> CHttpResponse::m_statusMap = {
    {100, "Continue"},
    {101, "Switching Protocols"},
    {200, "OK"},
    {201, "Created"},
    {202, "Accepted"},
    {204, "No Content"},
    {206, "Partial Content"},
    {301, "Moved Permanently"},
    {302, "Found"},
    {303, "See Other"},
    {304, "Not Modified"},
    {307, "Temporary Redirect"},
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {408, "Request Timeout"},
    {411, "Length Required"},
    {413, "Payload Too Large"},
    {414, "URI Too Long"},
    {500, "Internal Server Error"},
    {501, "Not Implemented"},
    {502, "Bad Gateway"},
    {503, "Service Unavailable"},
    {504, "Gateway Timeout"},
    {505, "HTTP Version Not Supported"},
};

CHttpResponse::CHttpResponse(bool keepAlive) : m_keepAlive(keepAlive), m_status(200), m_content(), m_header() {}

int CHttpResponse::parse(const BuffType*, tuint32&) { return -1; }

int CHttpResponse::generate(CNetBufferTH& out, const std::string& content,
                            const std::map<std::string, std::string>* headers, int status) const {
    auto reason = m_statusMap.find(status);
    if (reason == m_statusMap.end()) {
        status = 400;
        reason = m_statusMap.find(status);
    }
    std::string text = "HTTP/1.1 " + std::to_string(status) + " " + reason->second + "\r\n";
    if (headers != nullptr && !headers->empty()) {
        for (const auto& kv : *headers) {
            text += kv.first + ": " + kv.second + "\r\n";
        }
        if (m_keepAlive) {
            text += "Connection: Keep-Alive\r\n";
        }
    } else {
        text += "Server: my_httpd\r\n";
        text += "Content-Type: text/html; charset=UTF-8\r\n";
        if (m_keepAlive) {
            text += "Connection: Keep-Alive\r\n";
        }
        text += "Content-Length: " + std::to_string(content.size()) + "\r\n";
    }
    text += "\r\n";
    text += content;
    out.clear();
    if (text.size() > 0xFFFFFFFFu ||
        out.push_back(reinterpret_cast<const BuffType*>(text.data()), static_cast<tuint32>(text.size())) != 0) {
        return -1;
    }
    return 0;
}

int CHttpResponse::marshal(CNetBufferTH& out) const { return generate(out, m_content, &m_header, m_status); }

} // namespace NSNet
