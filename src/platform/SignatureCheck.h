#pragma once
// Whether a file comes from the maker: an RSA signature of its bytes checked against the
// maker's public key, which the program carries built in.
//
// A signature is what `openssl dgst -sha1 -sign` writes: the PKCS#1 v1.5 RSA signature of
// the SHA-1 hash of the bytes, as many bytes as the key's modulus (256 for the 2048-bit
// key), most significant byte first.

#include <string>

namespace cw {

class SignatureCheck {
  public:
    virtual ~SignatureCheck() = default;
    // True only when signature is a valid signature of content by the built-in key. Every
    // doubt answers false: a signature of the wrong length, a system without the means to
    // check one, a key that cannot be read.
    virtual bool Verify(const std::string& content, const std::string& signature) = 0;
};

}  // namespace cw
