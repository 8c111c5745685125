#pragma once
// Named log channels writing stamped records to ./RuntimeData/<world>/Log/.
//
// A LogSink collects records in m_szBuf (at most _BufSize-1 characters) and appends it to
// m_szFilePath when a record would no longer fit whole (length + SINGLELOG_MAXSIZE > limit),
// when a record asks for it (DiskLog) and on destruction. Invariant: m_szBuf always has room
// for one whole record. The path is built by the constructor and by Init only: a channel keeps
// the file of the hour it was built in.
// Thread-safety: any thread may log to any channel; m_bstMutex (not recursive) guards every
// member during Log, RebuildFilePath, the flush and destruction. The channel owns m_pStatBuf.

#include "Assertx.h"
#include "BaseLib.h"
#include "FLString.h"
#include "StringParser.h"

#include <cstdio>
#include <cstring>

struct LogFormatType {
    enum {
        NORMAL = 0,  // text (stamp)\n
        AUDIT = 1,   // text \x01 (stamp)\n
        CMBI = 2,    // stamp\x01text\n, file name ".log.<date-hour>"
        STAT = 3,    // [stamp]text\n, and the record into the side buffer
    };
};

typedef tint32 StatLogFlushFunc(const tchar* szStatLog);

template <tint32 _BufSize>
class LogSink {
public:
    enum {
        LOGNAME_MAXSIZE = 64,
        TIMETAIL_MAXSIZE = 128,
        FILEPATH_MAXSIZE = 256,
        SINGLELOG_MAXSIZE = 4096,
        WORLDID_DEFAULT = 65535,
        STAT_BUFF_SIZE = 98304,
    };
    static_assert(_BufSize > SINGLELOG_MAXSIZE, "a channel buffer holds at least one record");

    typedef FLString<STAT_BUFF_SIZE> StatBuffer;

    LogSink(const tchar* szLogName, tint32 nLogFormatType, StatLogFlushFunc* pStatFlushFunc)
        : m_nWorldID(WORLDID_DEFAULT),
          m_szLogName(szLogName),
          m_pStatBuf(nullptr),
          m_pStatFlushFunc(pStatFlushFunc),
          m_nLogFormatType(nLogFormatType)
    {
        if (m_nLogFormatType == LogFormatType::STAT) {
            m_pStatBuf = new StatBuffer();
        }
        RebuildFilePath();
    }

    ~LogSink()
    {
        bstMutexScopedLock lock(m_bstMutex);
        FlushWithoutLock();
        delete m_pStatBuf;
        m_pStatBuf = nullptr;
    }

    LogSink(const LogSink&) = delete;
    LogSink& operator=(const LogSink&) = delete;

    // Moves the channel to another world's folder. Start-up only.
    void Init(tint32 nWorldID)
    {
        __ENTER_FUNCTION
        m_nWorldID = nWorldID;
        RebuildFilePath();
        __LEAVE_FUNCTION
    }

    // Adds one record; writes the buffer at once when bFlush. A null text changes nothing.
    void Log(const tchar* szLog, bool bFlush)
    {
        __ENTER_FUNCTION
        bstMutexScopedLock lock(m_bstMutex);
        if (szLog == nullptr) {
            return;
        }
        if (m_szBuf.GetLength() + SINGLELOG_MAXSIZE > _BufSize - 1) {
            FlushWithoutLock();
        }
        time_t t = _ansitime();
        tm tmNow;
        _localtime(t, tmNow);

        tchar szTime[TIMETAIL_MAXSIZE];
        memset(szTime, 0, sizeof(szTime));
        const tchar* szStampFmt = StampFormat();
        if (szStampFmt == nullptr) {
            Assert(false);  // format type outside 0 to 3
            return;
        }
        FormatStamp(szTime, sizeof(szTime), szStampFmt, tmNow);
        szTime[TIMETAIL_MAXSIZE - 1] = '\0';

        // A record too long for SINGLELOG_MAXSIZE loses the end of its text, never its
        // stamp or line end, so the next record still starts on a line of its own.
        FLString<SINGLELOG_MAXSIZE> szRecord;
        const tint32 nStampLen = static_cast<tint32>(strlen(szTime));
        const tint32 nRoom = SINGLELOG_MAXSIZE - 1;
        switch (m_nLogFormatType) {
        case LogFormatType::NORMAL:
        case LogFormatType::AUDIT:
            AppendCut(szRecord, szLog, nRoom - nStampLen);
            szRecord += szTime;
            break;
        case LogFormatType::CMBI:
            szRecord += szTime;
            AppendCut(szRecord, szLog, nRoom - nStampLen - 1);
            szRecord += "\n";
            break;
        default:  // STAT; the line end goes to m_szBuf only
            szRecord += szTime;
            AppendCut(szRecord, szLog, nRoom - nStampLen);
            break;
        }
        m_szBuf += szRecord;
        if (m_nLogFormatType == LogFormatType::STAT) {
            m_szBuf += "\n";
            if (m_pStatBuf != nullptr) {
                if (m_pStatBuf->GetLength() > 0) {
                    *m_pStatBuf += "__cn_qv_game_server_splitter__";
                }
                *m_pStatBuf += szRecord;
            }
        }
        if (bFlush) {
            FlushWithoutLock();
        }
        __LEAVE_FUNCTION
    }

    // Rebuilds the file path from world, name and the current local date and hour.
    void RebuildFilePath()
    {
        __ENTER_FUNCTION
        bstMutexScopedLock lock(m_bstMutex);
        time_t t = _ansitime();
        tm tmNow;
        _localtime(t, tmNow);
        tchar szPath[FILEPATH_MAXSIZE];
        memset(szPath, 0, sizeof(szPath));
        const tchar* szPathFmt = PathFormat();
        if (szPathFmt == nullptr) {
            Assert(false);  // format type outside 0 to 3
            return;
        }
        snprintf(szPath, sizeof(szPath), szPathFmt, m_nWorldID, m_szLogName.GetCText(),
                 tmNow.tm_year + 1900, tmNow.tm_mon + 1, tmNow.tm_mday, tmNow.tm_hour);
        szPath[FILEPATH_MAXSIZE - 1] = '\0';
        m_szFilePath = szPath;
        __LEAVE_FUNCTION
    }

    // Writes out what is buffered.
    void Flush()
    {
        bstMutexScopedLock lock(m_bstMutex);
        FlushWithoutLock();
    }

    const tchar* GetFilePath() const { return m_szFilePath.GetCText(); }
    const tchar* GetLogName() const { return m_szLogName.GetCText(); }
    tint32 GetBufferedLength() const { return m_szBuf.GetLength(); }
    // The statistics side buffer; null unless the channel is a STAT one.
    const StatBuffer* GetStatBuffer() const { return m_pStatBuf; }

private:
    // REQUIRES: m_bstMutex held. Reports a failure as "Verify" and returns: never throws.
    void FlushWithoutLock()
    {
        __ENTER_FUNCTION
        if (m_szBuf.GetLength() > 0) {
            FILE* fp = fopen(m_szFilePath.GetCText(), "a+");
            if (fp != nullptr) {
                fwrite(m_szBuf.GetCText(), 1, static_cast<size_t>(m_szBuf.GetLength()), fp);
                fclose(fp);
            }
            // Text for a file that cannot be opened is dropped.
            m_szBuf.CleanUp();
        }
        FlushStatLog();
        __LEAVE_FUNCTION_NOTHROW
    }

    // REQUIRES: m_bstMutex held. Without a call-back the side buffer keeps filling.
    void FlushStatLog()
    {
        if (m_nLogFormatType != LogFormatType::STAT || m_pStatBuf == nullptr ||
            m_pStatBuf->GetLength() <= 0 || m_pStatFlushFunc == nullptr) {
            return;
        }
        m_pStatFlushFunc(m_pStatBuf->GetCText());
        m_pStatBuf->CleanUp();
    }

    const tchar* StampFormat() const
    {
        switch (m_nLogFormatType) {
        case LogFormatType::NORMAL:
            return " (%.4d-%.2d-%.2d_%.2d:%.2d:%.2d)\n";
        case LogFormatType::AUDIT:
            return " \x01 (%.4d-%.2d-%.2d_%.2d:%.2d:%.2d)\n";
        case LogFormatType::CMBI:
            return "%.4d-%.2d-%.2d %.2d:%.2d:%.2d\x01";
        case LogFormatType::STAT:
            return "[%.4d-%.2d-%.2d %.2d:%.2d:%.2d]";
        default:
            return nullptr;
        }
    }

    const tchar* PathFormat() const
    {
        switch (m_nLogFormatType) {
        case LogFormatType::NORMAL:
        case LogFormatType::AUDIT:
        case LogFormatType::STAT:
            return "./RuntimeData/%d/Log/%s.%.4d-%.2d-%.2d-%.2d.log";
        case LogFormatType::CMBI:
            return "./RuntimeData/%d/Log/%s.log.%.4d-%.2d-%.2d-%.2d";
        default:
            return nullptr;
        }
    }

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    static void FormatStamp(tchar* szBuf, size_t nSize, const tchar* szFmt, const tm& rTm)
    {
        snprintf(szBuf, nSize, szFmt, rTm.tm_year + 1900, rTm.tm_mon + 1, rTm.tm_mday,
                 rTm.tm_hour, rTm.tm_min, rTm.tm_sec);
    }
#pragma GCC diagnostic pop

    static void AppendCut(FLString<SINGLELOG_MAXSIZE>& rRecord, const tchar* szText, tint32 nMax)
    {
        if (nMax <= 0) {
            return;
        }
        size_t nLen = strnlen(szText, static_cast<size_t>(nMax));
        if (nLen > 0) {
            rRecord.Append(szText, static_cast<tint32>(nLen));
        }
    }

    bstMutex m_bstMutex;
    tint32 m_nWorldID;
    FLString<LOGNAME_MAXSIZE> m_szLogName;
    FLString<FILEPATH_MAXSIZE> m_szFilePath;
    FLString<_BufSize> m_szBuf;
    StatBuffer* m_pStatBuf;
    StatLogFlushFunc* m_pStatFlushFunc;
    tint32 m_nLogFormatType;
};

// Writes one record at once.
template <typename _LogSinkType>
void DiskLog(_LogSinkType& rLogSink, const tchar* szLog)
{
    rLogSink.Log(szLog, true);
}

// Formats with every argument checked against its conversion, then buffers the record.
template <typename _LogSinkType, typename... Args>
void CacheLog(_LogSinkType& rLogSink, const tchar* szLog, Args... args)
{
    enum { CACHELOG_BUFSIZE = 4096 };
    tchar szBuff[CACHELOG_BUFSIZE];
    memset(szBuff, 0, sizeof(szBuff));
    if (szLog == nullptr) {
        return;
    }
    StringParser parser(szBuff, CACHELOG_BUFSIZE, szLog);
    parser.Format(args...);
    szBuff[CACHELOG_BUFSIZE - 1] = '\0';
    rLogSink.Log(szBuff, false);
}
