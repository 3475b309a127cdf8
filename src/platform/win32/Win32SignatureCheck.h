#pragma once
// Signature checks through the system's CryptoAPI (advapi32, with the base RSA provider),
// which every system from Windows 95 with Internet Explorer 4 on carries. Its functions are
// looked up at run time: a system without them checks nothing and refuses every signature.

#include <string>

#include "platform/SignatureCheck.h"

namespace cw::win32 {

class Win32SignatureCheck : public SignatureCheck {
  public:
    // publicKeyBlob: the key as a CryptoAPI PUBLICKEYBLOB (BuildConfig.h's kUpdatePublicKey).
    explicit Win32SignatureCheck(std::string publicKeyBlob);
    bool Verify(const std::string& content, const std::string& signature) override;

  private:
    std::string publicKeyBlob_;
};

}  // namespace cw::win32
