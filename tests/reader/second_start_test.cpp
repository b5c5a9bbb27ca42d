// What a second start hands the running strip, and what the strip does with it.
#include "byte_strings.h"
#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/main_msg.h"
#include "reader/second_start.h"
#include "recording_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SecondStartMessage, IsTheHeaderAndTheCodeUnitsLittleEndian) {
    EXPECT_EQ(EncodeSecondStart(u""), std::string("LumioGo\x01\0\0\0\0", 12));
    EXPECT_EQ(EncodeSecondStart(u"/\u4F60\xDCC4"),
              std::string("LumioGo\x01", 8) + Bytes({3, 0, 0, 0, '/', 0, 0x60, 0x4F, 0xC4, 0xDC}));
}

TEST(SecondStartMessage, EveryNameComesBackUnchanged) {
    const std::u16string longest(kSecondStartMaxUnits, u'a');
    const std::u16string names[] = {
        u"",
        u"/home/u/novel.txt",
        u"/home/u/你好.txt",
        PathFromNative("/tmp/\xC4\xE3\xBA\xC3.txt"), // GBK bytes: lone surrogates
        u"C:\\books\\\xD800x.txt",                   // an unpaired surrogate (Windows)
        std::u16string(u"a\0b.txt", 7),              // a NUL travels; opening refuses it
        longest,
    };
    for (const std::u16string& name : names) {
        const std::string message = EncodeSecondStart(name);
        ASSERT_EQ(SecondStartSize(message.substr(0, kSecondStartHeaderSize)), message.size());
        EXPECT_EQ(DecodeSecondStart(message), name) << ToUtf8(name.substr(0, 40));
    }
    EXPECT_EQ(PathToNative(*DecodeSecondStart(EncodeSecondStart(names[3]))),
              "/tmp/\xC4\xE3\xBA\xC3.txt")
        << "the bytes of a name that is not UTF-8 survive";
}

TEST(SecondStartMessage, ANameNoSystemOpensIsLeftOut) {
    const std::string message = EncodeSecondStart(std::u16string(kSecondStartMaxUnits + 1, u'a'));
    EXPECT_EQ(DecodeSecondStart(message), u"") << "the strip still comes into view";
}

TEST(SecondStartMessage, AnythingElseIsNotAMessage) {
    const std::string good = EncodeSecondStart(u"/a.txt");
    std::string otherVersion = good;
    otherVersion[7] = '\x02';
    std::string tooLong = EncodeSecondStart(u"");
    tooLong[8] = '\x00';
    tooLong[9] = '\x80'; // 32768 units
    const std::string cases[] = {
        "",
        "LumioGo",
        good.substr(0, kSecondStartHeaderSize - 1),
        good.substr(0, good.size() - 1), // cut short
        good + "x",                      // something after it
        good.substr(0, good.size() - 2), // a unit missing
        otherVersion,
        "lumioGo" + good.substr(7),        // the magic is exact
        tooLong + std::string(65536, 'a'), // more units than any path
    };
    for (const std::string& bytes : cases) {
        EXPECT_EQ(DecodeSecondStart(bytes), std::nullopt)
            << ::testing::PrintToString(bytes.substr(0, 20));
    }
    EXPECT_EQ(SecondStartSize(otherVersion), std::nullopt);
    EXPECT_EQ(SecondStartSize(tooLong), std::nullopt);
    EXPECT_EQ(SecondStartSize("short"), std::nullopt);
    EXPECT_EQ(SecondStartSize(good), good.size()) << "the header alone tells the size";
}

class SecondStartTest : public ::testing::Test {
protected:
    CallLog log;
    RecordingForm form{log};
    FakeViewer viewer{log};
    FakeTimer timer{log};
    FakeSlider slider1;
    FakeSlider slider2;
    FakeDialog dialog{log};
    FakeMessageBox messageBox{log};
    FakeFileSource files{&log};
    MainMsg reader{{viewer, timer, slider1, slider2, dialog, messageBox, files}};
    SecondStartReceiver receiver{{form, reader}};
};

TEST_F(SecondStartTest, AFileIsOpenedAsADropOnAStripBroughtIntoView) {
    const std::u16string path = PathFromNative("/books/\xC4\xE3\xBA\xC3.txt");
    files.files[path].bytes = "Hello";
    ASSERT_TRUE(receiver.Receive(EncodeSecondStart(path)));
    EXPECT_THAT(log.Take(), ElementsAre("Show", "rtxt1.Text=", "open " + ToUtf8(path),
                                        "trm1.Enabled=true", "trm1.Enabled=true"));
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(reader.txt2(), u"Hello  ");
    EXPECT_TRUE(timer.enabled);
}

TEST_F(SecondStartTest, NoFileOnlyShowsTheStripAndKeepsThePinState) {
    form.topmost = false;
    timer.enabled = true;
    ASSERT_TRUE(receiver.Receive(EncodeSecondStart(u"")));
    EXPECT_THAT(log.Take(), ElementsAre("Show")) << "no placement: the pin state stays";
    EXPECT_TRUE(timer.enabled) << "reading goes on";
    ASSERT_TRUE(receiver.Receive(EncodeSecondStart(u"")));
    EXPECT_THAT(log.Take(), ElementsAre("Show")) << "a shown strip is shown (brought forward)";
}

TEST_F(SecondStartTest, ARefusedOrMissingFileIsSaidAsForADrop) {
    ASSERT_TRUE(receiver.Receive(EncodeSecondStart(u"/books/a.TXT")));
    EXPECT_THAT(log.Take(), ElementsAre("Show", "MsgBox(64,信息提示,请选择一个Txt文件.)"));
    ASSERT_TRUE(receiver.Receive(EncodeSecondStart(u"/books/gone.txt")));
    const std::vector<std::string> calls = log.Take();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "Show");
    EXPECT_EQ(calls[2], "open /books/gone.txt");
    EXPECT_THAT(calls.back(), ::testing::StartsWith("MsgBox(48,信息提示,"));
}

TEST_F(SecondStartTest, BytesThatAreNotAMessageChangeNothing) {
    files.files[u"/a.txt"].bytes = "A";
    std::string message = EncodeSecondStart(u"/a.txt");
    message.pop_back();
    EXPECT_FALSE(receiver.Receive(message));
    EXPECT_FALSE(receiver.Receive("GET / HTTP/1.0\r\n\r\n"));
    EXPECT_THAT(log.Take(), IsEmpty());
    EXPECT_FALSE(form.visible);
}

} // namespace
} // namespace lumio::testing
