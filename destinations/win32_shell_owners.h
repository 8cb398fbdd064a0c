// Small owners of what the shell hands out, so that no path through the folder code
// can leak an item id list or an interface.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include <utility>

// A COM interface pointer released when the owner goes.
template <typename Interface>
class ComReference {
public:
    ComReference() = default;
    ComReference(const ComReference&) = delete;
    ComReference& operator=(const ComReference&) = delete;
    ~ComReference() {
        if (pointer_) {
            pointer_->Release();
        }
    }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For the functions that hand out a new reference through an out parameter.
    Interface** out() { return &pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// The shell's allocator, which frees every item id list the shell hands out.
class ShellAllocator : public ComReference<IMalloc> {
public:
    ShellAllocator() {
        if (FAILED(SHGetMalloc(out()))) {
            *out() = nullptr;
        }
    }
};

// An item id list, freed with the shell allocator, which must outlive the owner.
class ItemIdList {
public:
    ItemIdList(LPITEMIDLIST list, IMalloc* allocator) : list_(list), allocator_(allocator) {}
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;
    ~ItemIdList() {
        if (list_) {
            allocator_->Free(list_);
        }
    }

    LPITEMIDLIST get() const { return list_; }
    explicit operator bool() const { return list_ != nullptr; }

private:
    LPITEMIDLIST list_;
    IMalloc* allocator_;
};
