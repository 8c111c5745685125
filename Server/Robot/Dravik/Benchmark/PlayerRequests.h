#pragma once
// The request messages of one client's players, kept from one request to the next.
// Every build clears its message first and then sets every field the request carries,
// so the bytes on the wire are exactly those of a freshly built message; what is kept is
// only storage: cleared strings, repeated entries and sub-messages keep their memory, so
// a request of a size already seen allocates nothing.
//
// Ownership: one per Benchmark (a member), shared by that client's players.
// Threads: the client's worker thread only (the main thread before the worker starts).
// Invariant: m_newCard is a new scrap card (texts zero, never written) apart from its
// charGuid, which each creation sets; m_pNewChar is only scratch room for the record of
// a periodic creation, built anew by InitAsCreateNewChar before every use.

#include "AD_PBMessage.pb.h"
#include "BaseType.h"
#include "DBStruct_User.h"

#include <memory>
#include <string>

// Zeroes every byte of the record's byte-packed parts and empties its e-mail list, so that
// bytes which reset and initialisation leave alone are zero in every image sent.
void ZeroRecordBytes(DBFullUserData& rRecord);

class PlayerRequests {
public:
    // A creation carries the head of a new scrap card: its charGuid and the start of its
    // first (empty) text buffer.
    static constexpr size_t CREATE_SCRAPCARD_BYTES = 60;

    PlayerRequests();
    PlayerRequests(const PlayerRequests&) = delete;
    PlayerRequests& operator=(const PlayerRequests&) = delete;

    // AD_USERSAVE with SaveType 1: the four character images of rRecord and the head of
    // a new scrap card whose charGuid is the record's GUID.
    AD_USERSAVE& Create(const DBFullUserData& rRecord);
    // AD_USERSAVE with SaveType 2: every part of rRecord.
    AD_USERSAVE& Save(const DBFullUserData& rRecord);
    // AD_USERLOAD with UserType 1 and the account name.
    AD_USERLOAD& Load(const std::string& strAccount);

    // Lower bounds of a request's frame: the record images it carries. A frame cannot be
    // smaller, so an output buffer with less room would refuse it.
    static size_t CreateImageBytes();
    static size_t SaveImageBytes(const DBFullUserData& rRecord);

    // Room for the new character of a periodic creation; the caller builds it with
    // InitAsCreateNewChar (which resets every part) before passing it to Create.
    DBFullUserData& NewCharRecord() { return *m_pNewChar; }

private:
    AD_USERSAVE m_create;
    AD_USERSAVE m_save;
    AD_USERLOAD m_load;
    DBPlayerScrapCard m_newCard;
    std::unique_ptr<DBFullUserData> m_pNewChar; // 67 KB: on the heap, once
};
