// The update's readers of untrusted input: SHA-256, the executable check, the size a
// response announces and the version file.

#include <gtest/gtest.h>

#include "host/UpdateTestWorld.h"
#include "update/ExecutableImage.h"
#include "update/Sha256.h"
#include "update/UpdateResponses.h"

namespace cw::update {
namespace {

using testing::Executable;

std::string Bytes(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += static_cast<char>(i);
    return s;
}

TEST(Sha256Test, MatchesTheStandardVectorsAndThePaddingBoundaries) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    // Lengths around the block and padding limits (bytes 0, 1, 2, ...).
    EXPECT_EQ(Sha256Hex(Bytes(55)),
              "463eb28e72f82e0a96c0a4cc53690c571281131f672aa229e0d45ae59b598b59");
    EXPECT_EQ(Sha256Hex(Bytes(64)),
              "fdeab9acf3710362bd2658cdc9a29e8f9c757fcf9811603a8c447cd1d9151108");
    EXPECT_EQ(Sha256Hex(Bytes(120)),
              "f52b23db1fbb6ded89ef42a23ce0c8922c45f25c50b568a93bf1c075420bbb7c");
}

TEST(ExecutableImageTest, AcceptsOnlyAnMzHeaderPointingAtAPeSignatureInsideTheFile) {
    EXPECT_TRUE(IsWindowsExecutable(Executable(1001)));
    EXPECT_FALSE(IsWindowsExecutable(std::string(1001, 'x')) || IsWindowsExecutable("MZ"));
    std::string zm = Executable(1001);
    zm[0] = 'Z';
    EXPECT_FALSE(IsWindowsExecutable(zm));
    std::string noSignature = Executable(1001);
    noSignature[0x42] = 'x';
    EXPECT_FALSE(IsWindowsExecutable(noSignature));
    EXPECT_FALSE(IsWindowsExecutable(Executable(1001, 'x', 0xFFFFFFF0u)));  // far past the end
    EXPECT_FALSE(IsWindowsExecutable(Executable(1001, 'x', 0x10)));         // inside the DOS header
    EXPECT_FALSE(IsWindowsExecutable(Executable(0x50, 'x', 0x40)));  // no room for the file header
}

TEST(UpdateResponsesTest,
     TheSizeIsTheContentLengthUnlessTheFileIsMissingAndTheStatusComesFromItsLine) {
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 200 OK\r\nContent-Length: 1005\r\n\r\n"), 1005);
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 200 OK\r\nContent-Length:  12.5 \r\n\r\n"), 12);
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 200 OK\r\ncontent-length: 7\r\n\r\n"), 7);
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 404 Not Found\r\nContent-Length: 26\r\n\r\n"), 0);
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 200 OK\r\nServer: x\r\n\r\n"), 0);
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 200 OK\r\nContent-Length: abc\r\n\r\n"), 0);
    EXPECT_EQ(RemoteSizeFromHeaders("HTTP/1.1 200 OK\r\nContent-Length: 99999999999\r\n\r\n"), 0);
    // Digits 404 elsewhere in the headers are not a missing file.
    EXPECT_EQ(RemoteSizeFromHeaders(
                  "HTTP/1.1 200 OK\r\nETag: \"5f3-4041\"\r\nContent-Length: 1404\r\n\r\n"),
              1404);

    // The status code comes from the status line only.
    EXPECT_EQ(StatusCode("HTTP/1.1 200 OK\r\n\r\n"), 200);
    EXPECT_EQ(StatusCode("HTTP/1.0 404 Not Found\r\n"), 404);
    EXPECT_EQ(StatusCode(""), 0);
    EXPECT_EQ(StatusCode("garbage 200\r\n"), 0);
    EXPECT_EQ(StatusCode("HTTP/1.1 2x0 OK\r\nX-Status: 404\r\n"), 0);
}

TEST(UpdateResponsesTest, TheVersionFileGivesItsLeadingNumberAndAnOptionalHash) {
    // A fraction rounds half to even.
    for (auto [body, release] :
         {std::pair{"6\r\n", 6}, {"  7 and more", 7}, {"6.5", 6}, {"7.5", 8}, {"release 9", 0}})
        EXPECT_EQ(ParseVersionFile(body).release, release) << body;
    EXPECT_TRUE(ParseVersionFile("6\r\n").sha256.empty() &&
                !ParseVersionFile("6\r\n").sha256Malformed);

    const std::string hash(64, 'A');
    for (const std::string& body :
         {"6 sha256=" + hash, "6\r\nSHA256=" + hash + "\r\n", "6\tsha256=" + hash + " signed"}) {
        VersionFile file = ParseVersionFile(body);
        EXPECT_EQ(std::tuple(file.release, file.sha256, file.sha256Malformed),
                  std::tuple(6, std::string(64, 'a'), false))
            << body;
    }
    for (const std::string& body : {"6 sha256=" + hash.substr(1), "6 sha256=" + hash + "0",
                                    "6 sha256=" + hash.substr(1) + "g", std::string("6 sha256=")}) {
        VersionFile file = ParseVersionFile(body);
        EXPECT_TRUE(file.sha256.empty() && file.sha256Malformed) << body;
    }
    // Only a token of its own counts.
    EXPECT_FALSE(ParseVersionFile("6 xsha256=" + hash.substr(3)).sha256Malformed);
}

}  // namespace
}  // namespace cw::update
