#pragma once
// Memory inside the program under test, for the control messages whose pointers Windows
// does not carry across processes (toolbar, status bar, list view and time picker messages,
// dropped files).

#include <windows.h>

#include <cstddef>

#include "driver/GuiDriver.h"

namespace cw::gui {

class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, std::size_t size) : process_(process), size_(size) {
        address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        if (!address_) throw DriverError("cannot allocate memory in the program under test");
    }
    ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM Param() const { return reinterpret_cast<LPARAM>(address_); }
    // The address of a byte of the buffer, as the program under test sees it.
    char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Read(void* into, std::size_t size) const {
        SIZE_T done = 0;
        if (!ReadProcessMemory(process_, address_, into, size < size_ ? size : size_, &done)) {
            throw DriverError("cannot read memory of the program under test");
        }
    }
    void Write(const void* from, std::size_t size) const {
        SIZE_T done = 0;
        if (size > size_ || !WriteProcessMemory(process_, address_, from, size, &done)) {
            throw DriverError("cannot write memory of the program under test");
        }
    }

  private:
    HANDLE process_;
    void* address_ = nullptr;
    std::size_t size_;
};

// A message answered by the window within five seconds; throws DriverError otherwise.
LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace cw::gui
