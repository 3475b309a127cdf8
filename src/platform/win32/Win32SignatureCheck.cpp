#include "platform/win32/Win32SignatureCheck.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

// The CryptoAPI calls, looked up in advapi32 at run time; complete only when the system has
// every one of them.
struct CryptoApi {
    decltype(&CryptAcquireContextA) acquireContext =
        LookupProc<decltype(&CryptAcquireContextA)>("advapi32.dll", "CryptAcquireContextA");
    decltype(&CryptReleaseContext) releaseContext =
        LookupProc<decltype(&CryptReleaseContext)>("advapi32.dll", "CryptReleaseContext");
    decltype(&CryptImportKey) importKey =
        LookupProc<decltype(&CryptImportKey)>("advapi32.dll", "CryptImportKey");
    decltype(&CryptDestroyKey) destroyKey =
        LookupProc<decltype(&CryptDestroyKey)>("advapi32.dll", "CryptDestroyKey");
    decltype(&CryptCreateHash) createHash =
        LookupProc<decltype(&CryptCreateHash)>("advapi32.dll", "CryptCreateHash");
    decltype(&CryptHashData) hashData =
        LookupProc<decltype(&CryptHashData)>("advapi32.dll", "CryptHashData");
    decltype(&CryptDestroyHash) destroyHash =
        LookupProc<decltype(&CryptDestroyHash)>("advapi32.dll", "CryptDestroyHash");
    decltype(&CryptVerifySignatureA) verifySignature =
        LookupProc<decltype(&CryptVerifySignatureA)>("advapi32.dll", "CryptVerifySignatureA");

    bool Complete() const {
        return acquireContext && releaseContext && importKey && destroyKey && createHash &&
               hashData && destroyHash && verifySignature;
    }
};

// A provider context for checks only (no key container), released on leaving.
class Provider {
  public:
    explicit Provider(const CryptoApi& api) : api_(api) {
        // The base provider is on every system; the default RSA one stands in should it not be.
        if (!api.acquireContext(&handle_, nullptr, MS_DEF_PROV_A, PROV_RSA_FULL,
                                CRYPT_VERIFYCONTEXT) &&
            !api.acquireContext(&handle_, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
            handle_ = 0;
        }
    }
    ~Provider() {
        if (handle_) api_.releaseContext(handle_, 0);
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    HCRYPTPROV get() const { return handle_; }

  private:
    const CryptoApi& api_;
    HCRYPTPROV handle_ = 0;
};

// The key and hash of one check, destroyed on leaving.
struct CheckObjects {
    const CryptoApi& api;
    HCRYPTKEY key = 0;
    HCRYPTHASH hash = 0;
    ~CheckObjects() {
        if (hash) api.destroyHash(hash);
        if (key) api.destroyKey(key);
    }
};

// The length in bytes of the modulus of a PUBLICKEYBLOB; 0 when it is no RSA public key.
std::size_t ModulusBytes(const std::string& blob) {
    constexpr std::size_t kHeader = sizeof(BLOBHEADER) + sizeof(RSAPUBKEY);
    if (blob.size() < kHeader || static_cast<BYTE>(blob[0]) != PUBLICKEYBLOB) return 0;
    RSAPUBKEY rsa;
    std::memcpy(&rsa, blob.data() + sizeof(BLOBHEADER), sizeof rsa);
    std::size_t bytes = rsa.bitlen / 8;
    if (rsa.magic != 0x31415352 || rsa.bitlen % 8 != 0 || blob.size() != kHeader + bytes) {
        return 0;  // not "RSA1", or the modulus is not all there
    }
    return bytes;
}

}  // namespace

Win32SignatureCheck::Win32SignatureCheck(std::string publicKeyBlob)
    : publicKeyBlob_(std::move(publicKeyBlob)) {}

bool Win32SignatureCheck::Verify(const std::string& content, const std::string& signature) {
    std::size_t modulus = ModulusBytes(publicKeyBlob_);
    if (modulus == 0 || signature.size() != modulus || content.size() > MAXDWORD) return false;
    static const CryptoApi api;
    if (!api.Complete()) return false;
    Provider provider(api);
    if (!provider.get()) return false;

    CheckObjects objects{api};
    // CryptoAPI takes the signature least significant byte first.
    std::string reversed(signature.rbegin(), signature.rend());
    return api.importKey(provider.get(), reinterpret_cast<const BYTE*>(publicKeyBlob_.data()),
                         static_cast<DWORD>(publicKeyBlob_.size()), 0, 0, &objects.key) &&
           api.createHash(provider.get(), CALG_SHA1, 0, 0, &objects.hash) &&
           api.hashData(objects.hash, reinterpret_cast<const BYTE*>(content.data()),
                        static_cast<DWORD>(content.size()), 0) &&
           api.verifySignature(objects.hash, reinterpret_cast<const BYTE*>(reversed.data()),
                               static_cast<DWORD>(reversed.size()), objects.key, nullptr, 0);
}

}  // namespace cw::win32
