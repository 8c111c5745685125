#pragma once
// bsvector: the standard vector with guarded element access. An index at or past the end
// is an assertion report (message "bsvector") that throws; it never reads out of range.
// Not thread-safe, like std::vector.

#include "Assertx.h"
#include "BaseType.h"

#include <vector>

// File text of the report, kept as the agent's tooling expects it.
#define BSVECTOR_REPORT_FILE "./Inc/Common/BaseUtility"

template <typename _ElemType>
class bsvector : public std::vector<_ElemType> {
public:
    typedef bsvector<_ElemType> _MyselfClass;
    typedef std::vector<_ElemType> _BaseClass;
    typedef _ElemType& _ElemRef;
    typedef const _ElemType& _ConstElemRef;
    typedef typename _BaseClass::size_type size_type;

    bsvector() {}
    bsvector(const _MyselfClass& rOther) : _BaseClass(rOther) {}
    ~bsvector() {}
    _MyselfClass& operator=(const _MyselfClass& rOther)
    {
        _BaseClass::operator=(rOther);
        return *this;
    }

    _ElemRef operator[](size_type _i)
    {
        CheckIndex(_i, __LINE__, __PRETTY_FUNCTION__);
        return _BaseClass::operator[](_i);
    }
    _ConstElemRef operator[](size_type _i) const
    {
        CheckIndex(_i, __LINE__, __PRETTY_FUNCTION__);
        return _BaseClass::operator[](_i);
    }

private:
    // The index is unsigned, so only the upper bound can fail.
    void CheckIndex(size_type _i, tuint32 nLine, const tchar* szFunc) const
    {
        if (!(_i < _BaseClass::size())) {
            _do_assert_(BSVECTOR_REPORT_FILE, nLine, szFunc, "_i >= 0 && _i < _BaseClass::size()",
                        "bsvector", true);
        }
    }
};
