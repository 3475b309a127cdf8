// The signature check's contract, run against the fake on the host and against CryptoAPI
// under Wine, where the signatures come from openssl with the tests' key pairs.

#include <gtest/gtest.h>

#include "contract/ContractWorld.h"

namespace cw::contract {
namespace {

using SignatureCheckContract = ContractTest;

TEST_F(SignatureCheckContract, OnlyTheTrustedKeysSignatureOfTheseVeryBytesIsAccepted) {
    SignatureCheck& check = world.check();
    std::string content(5000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 + i / 251);
    const std::string good = world.Sign(content);
    ASSERT_FALSE(good.empty());
    EXPECT_TRUE(check.Verify(content, good));
    EXPECT_TRUE(check.Verify(content, good)) << "a second check with the same object";

    std::string changed = content;
    changed[4000] ^= 1;
    EXPECT_FALSE(check.Verify(changed, good)) << "one bit of the content changed";
    EXPECT_FALSE(check.Verify(content + "x", good)) << "a byte added";
    EXPECT_FALSE(check.Verify(content, world.Sign(content, true))) << "another key";
    EXPECT_FALSE(check.Verify(content, good.substr(0, good.size() - 1))) << "truncated";
    EXPECT_FALSE(check.Verify(content, good + '\0')) << "too long";
    EXPECT_FALSE(check.Verify(content, "")) << "empty";
    std::string flipped = good;
    flipped[good.size() / 2] ^= 0x40;
    EXPECT_FALSE(check.Verify(content, flipped)) << "one bit of the signature changed";

    // An empty file signs and checks like any other.
    EXPECT_TRUE(check.Verify("", world.Sign("")));
    EXPECT_FALSE(check.Verify("", good));
}

}  // namespace
}  // namespace cw::contract
