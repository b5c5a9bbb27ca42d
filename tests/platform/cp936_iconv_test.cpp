// The table decoder against the C library's converter, sequence by sequence. Only where
// that converter is glibc's, whose CP936 the tables were generated from.
#include "byte_strings.h"
#include "platform/cp936.h"

#include <gtest/gtest.h>

#if defined(__GLIBC__)
#include <bit>
#include <cerrno>
#include <iconv.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

// The decoding through iconv, with the same rule for bad bytes: one U+FFFD for the byte
// iconv stops at, then on with the next byte.
class IconvReference {
public:
    IconvReference()
        : cd_(iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE",
                         "CP936")) {}
    ~IconvReference() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    IconvReference(const IconvReference&) = delete;
    IconvReference& operator=(const IconvReference&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Like Cp936Decoder::Decode: returns the bytes used.
    std::size_t Decode(std::string bytes, std::u16string& out, bool last) {
        std::vector<char16_t> buffer(bytes.size() + 1);
        char* in = bytes.data();
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* outPtr = reinterpret_cast<char*>(buffer.data());
            std::size_t outLeft = buffer.size() * sizeof(char16_t);
            const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer.data(), buffer.size() - outLeft / sizeof(char16_t));
            if (rc != static_cast<std::size_t>(-1)) {
                break;
            }
            if (error == EINVAL && !last) {
                break;
            }
            out += u'\uFFFD';
            ++in;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return bytes.size() - inLeft;
    }

    std::u16string Decode(const std::string& bytes) {
        std::u16string out;
        Decode(bytes, out, true);
        return out;
    }

private:
    iconv_t cd_;
};

class Cp936IconvTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!iconv.ok()) {
            GTEST_SKIP() << "this C library offers no CP936 conversion";
        }
    }

    // Whole, and in two pieces at every cut, the way a load meets a block boundary.
    void ExpectSame(const std::string& bytes) {
        const std::u16string expected = iconv.Decode(bytes);
        ASSERT_EQ(DecodeCp936(bytes), expected) << Hex(bytes);
        for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
            std::u16string reference;
            std::u16string decoded;
            const std::string_view view = bytes;
            const std::size_t referenceUsed = iconv.Decode(bytes.substr(0, cut), reference, false);
            const std::size_t used = Cp936Decoder().Decode(view.substr(0, cut), decoded, false);
            ASSERT_EQ(used, referenceUsed) << Hex(bytes) << "cut at " << cut;
            ASSERT_EQ(decoded, reference) << Hex(bytes) << "cut at " << cut;
        }
    }

    IconvReference iconv;
};

TEST_F(Cp936IconvTest, EverySingleByte) {
    for (int b = 0; b < 256; ++b) {
        ExpectSame(Bytes({b}));
    }
}

TEST_F(Cp936IconvTest, EveryLeadWithEveryTrail) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            ExpectSame(Bytes({lead, trail}));
        }
    }
}

TEST_F(Cp936IconvTest, DecodingResumesAtABadTrail) {
    // After a lead whose pair is no character the trail is read again: an ASCII trail
    // survives, a trail that is itself a lead pairs with the next byte.
    std::size_t badPairs = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const std::string pair = Bytes({lead, trail});
            if (iconv.Decode(pair).size() == 1) {
                continue;
            }
            ++badPairs;
            ExpectSame(pair + "A");
            ExpectSame(pair + Bytes({0xB0, 0xA1}));
        }
    }
    EXPECT_GT(badPairs, 126u * 64) << "every lead has the trails below 0x40 as bad ones";
}

TEST_F(Cp936IconvTest, LeadAtTheEnd) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        ExpectSame(Bytes({lead}));
        ExpectSame("A" + Bytes({lead}));
        ExpectSame(Bytes({0xD6, 0xD0, lead}));
        std::u16string out;
        EXPECT_EQ(Cp936Decoder().Decode(Bytes({'x', lead}), out, false), 1u);
        EXPECT_EQ(out, u"x");
    }
}

TEST_F(Cp936IconvTest, EveryCharacterInOneText) {
    // All pairs back to back, so the table's rows meet the ASCII fast path in one input.
    std::string all;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            all += Bytes({lead, trail});
            all += "0123456789abcdef"; // a full run of sixteen for the fast path
        }
    }
    EXPECT_EQ(DecodeCp936(all), iconv.Decode(all));
}

} // namespace
} // namespace lumio

#else

TEST(Cp936IconvTest, NeedsTheGnuCLibrary) {
    GTEST_SKIP() << "the tables come from glibc's converter; compare them there";
}

#endif
