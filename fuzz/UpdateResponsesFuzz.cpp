// The update's readers of what the server sends: response headers, the version file and the
// downloaded bytes. None may crash, whatever arrives.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "errors/RuntimeError.h"
#include "update/ExecutableImage.h"
#include "update/Sha256.h"
#include "update/UpdateResponses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    cw::update::StatusCode(input);
    cw::update::RemoteSizeFromHeaders(input);
    cw::update::IsWindowsExecutable(input);
    cw::update::Sha256Hex(input);
    try {
        cw::update::ParseVersionFile(input);
    } catch (const cw::RuntimeError&) {
        // An out-of-range release number is a run-time error the caller's trap handles.
    }
    return 0;
}
