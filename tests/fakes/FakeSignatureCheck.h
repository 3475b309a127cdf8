#pragma once
// Signatures without cryptography: a "signature" names its key and the content's hash, so
// that the tests can sign with the built-in key or another, and change either side.

#include <string>

#include "platform/SignatureCheck.h"
#include "update/Sha256.h"

namespace cw::fakes {

class FakeSignatureCheck : public SignatureCheck {
  public:
    static std::string Sign(const std::string& content, const std::string& key = "maker") {
        return key + " signed " + update::Sha256Hex(content);
    }
    bool Verify(const std::string& content, const std::string& signature) override {
        return available && signature == Sign(content);
    }

    // false: the system has no means to check a signature.
    bool available = true;
};

}  // namespace cw::fakes
