#pragma once
// A caller's context: named values of a few plain types, copied with their owner.

#include "BaseType.h"

#include <map>
#include <string>

// A string-keyed map of typed values. Copying a CParam copies every value (each through
// its handler's clone); destroying it deletes them. A value is read back only as the
// type it was stored with. A plain value: not thread-safe, one owner at a time.
class CParam {
public:
    // One stored value: m_holder points at a type-erased copy that the variable owns.
    class CVariable {
    public:
        class IHandler {
        public:
            virtual ~IHandler() {}
            virtual IHandler* clone() const = 0;
        };

        template <class T>
        class CHandler : public IHandler {
        public:
            explicit CHandler(const T& value) : m_value(value) {}
            IHandler* clone() const override { return new CHandler<T>(m_value); }
            T m_value;
        };

        CVariable() : m_holder(nullptr) {}
        template <class T>
        explicit CVariable(const T& value) : m_holder(new CHandler<T>(value)) {}
        CVariable(const CVariable& other) : m_holder(other.m_holder != nullptr ? other.m_holder->clone() : nullptr) {}
        CVariable& operator=(const CVariable& other) {
            if (this != &other) {
                IHandler* holder = other.m_holder != nullptr ? other.m_holder->clone() : nullptr;
                delete m_holder;
                m_holder = holder;
            }
            return *this;
        }
        ~CVariable() { delete m_holder; }

        // The value when it was stored as a T; null otherwise.
        template <class T>
        const T* value() const {
            const CHandler<T>* handler = dynamic_cast<const CHandler<T>*>(m_holder);
            return handler != nullptr ? &handler->m_value : nullptr;
        }

        IHandler* m_holder;
    };

    typedef std::map<std::string, CVariable> dataMap;

    CParam() {}
    CParam(const CParam& other) : m_dataMap(other.m_dataMap) {}
    CParam& operator=(const CParam& other) {
        if (this != &other) {
            m_dataMap = other.m_dataMap;
        }
        return *this;
    }
    void clear() { m_dataMap.clear(); }

    // Each setter replaces what the name held before.
    void setBool(const std::string& name, bool value) { set(name, value); }
    void setInt(const std::string& name, tint32 value) { set(name, value); }
    void setUInt(const std::string& name, tuint32 value) { set(name, value); }
    void setString(const std::string& name, const std::string& value) { set(name, value); }
    void setFloat(const std::string& name, tfloat32 value) { set(name, value); }
    void setDouble(const std::string& name, tfloat64 value) { set(name, value); }
    void setInt64(const std::string& name, tint64 value) { set(name, value); }
    void setUInt64(const std::string& name, tuint64 value) { set(name, value); }

    // out receives the value stored under name as exactly the type T (one of the setters'
    // types); false, and out unchanged, when there is none of that type. The call-backs
    // get their context as a const CParam: this is how they read it.
    template <class T>
    bool get(const std::string& name, T& out) const {
        auto it = m_dataMap.find(name);
        if (it == m_dataMap.end()) {
            return false;
        }
        const T* value = it->second.value<T>();
        if (value == nullptr) {
            return false;
        }
        out = *value;
        return true;
    }

    bool contains(const std::string& name) const { return m_dataMap.find(name) != m_dataMap.end(); }
    void erase(const std::string& name) { m_dataMap.erase(name); }
    size_t count() const { return m_dataMap.size(); }
    bool empty() const { return m_dataMap.empty(); }

private:
    template <class T>
    void set(const std::string& name, const T& value) {
        m_dataMap[name] = CVariable(value);
    }

    dataMap m_dataMap;
};
