#pragma once

#include "reader/chapter_finder.h"
#include "reader/controls.h"
#include "reader/main_msg.h"
#include "reader/reading_places.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// The viewer's right-click menu: the places of the book to go to, and the reading
// memory's switch. Its texts, used exactly as they stand.
inline constexpr std::u16string_view kMenuChapters = u"目录";
inline constexpr std::u16string_view kMenuJump = u"跳转到…";
inline constexpr std::u16string_view kMenuFromStart = u"从头开始";
inline constexpr std::u16string_view kMenuRemember = u"记住阅读位置";
inline constexpr std::u16string_view kMenuNoChapters = u"（未找到章节）";
inline constexpr std::u16string_view kJumpTitle = u"跳转到";
inline constexpr std::u16string_view kJumpPrompt =
    u"输入百分比（0 到 100，可带一位小数，如 37.5），\n或章节标题的开头（如 第十二章）：";
inline constexpr std::u16string_view kJumpOk = u"确定";
inline constexpr std::u16string_view kJumpCancel = u"取消";
inline constexpr std::u16string_view kJumpRefused =
    u"请输入 0 到 100 之间的百分比（最多一位小数），或书中某一章标题的开头。";

// What the menu shows.
struct ViewerMenuModel {
    std::vector<std::u16string> chapters;      // the titles, in the book's order
    std::optional<std::size_t> currentChapter; // the one being read, marked
    bool rememberChecked = false;
    bool rememberEnabled = false; // no memory at all in this run (--no-memory)
};

// What the user picked.
struct ViewerMenuChoice {
    enum class Kind { Chapter, Jump, FromStart, Remember };
    Kind kind = Kind::FromStart;
    std::size_t chapter = 0; // for Kind::Chapter: index into the model's chapters
};

// The platform's own menu and input box.
class ViewerMenuShower {
public:
    virtual ~ViewerMenuShower() = default;
    // Shows the menu and waits for the choice; none when it was dismissed.
    virtual std::optional<ViewerMenuChoice> ShowMenu(const ViewerMenuModel& model) = 0;
    // Asks for one line of text; none when cancelled.
    virtual std::optional<std::u16string> AskText(std::u16string_view title,
                                                  std::u16string_view prompt) = 0;
};

struct ViewerMenuParts {
    MainMsg& window;
    Timer& trm1;
    MessageBox& messageBox;
    ReadingPlaces* places = nullptr; // none with --no-memory
};

// Builds the menu from the reading state, shows it and carries out the choice.
class ViewerMenu {
public:
    explicit ViewerMenu(const ViewerMenuParts& parts) : parts_(parts) {}

    ViewerMenuModel Model() const;
    void Open(ViewerMenuShower& shower);
    void Carry(const ViewerMenuChoice& choice, ViewerMenuShower& shower);

private:
    ViewerMenuParts parts_;
};

// The chapter being read at `readPos`: the last one whose heading starts at or before
// it. None before the first heading.
std::optional<std::size_t> CurrentChapter(const std::vector<Chapter>& chapters,
                                          std::int32_t readPos);

// length × tenths / 1000 (a percentage with one decimal, in tenths of a percent),
// rounded to the nearest integer, halves to even; exact for every length.
std::int32_t PercentPosition(std::size_t length, std::int32_t tenths);

// "37.5", "37.5%", "100", " 0.5 ％ ": a percentage from 0 to 100 with at most one
// decimal (ASCII or full-width digits), in tenths. None for anything else.
std::optional<std::int32_t> ParsePercent(std::u16string_view text);

// Where the jump box's text leads: a percentage of the document, else the first
// chapter whose title begins with the text. None when it leads nowhere.
std::optional<std::int32_t> JumpPosition(std::u16string_view text, std::size_t length,
                                         const std::vector<Chapter>& chapters);

// Moves the reading as the start-point slider does: the timer off, `ReadPos` set, the
// timer on.
void MoveReadingTo(MainMsg& window, Timer& trm1, std::int32_t position);

} // namespace lumio
