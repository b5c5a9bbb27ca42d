#pragma once

#include "reader/hot_key_service.h"

#include <QWidget>

namespace lumio {

// A message box that does not hold the program up: it stays until the user closes it,
// and the program runs on meanwhile.
class QtNotice : public Notice {
public:
    // The box opens clear of `strip`, which stays above other windows.
    explicit QtNotice(QWidget* strip = nullptr) : strip_(strip) {}
    void Tell(std::u16string_view text, std::u16string_view title) override;

private:
    QWidget* strip_;
};

} // namespace lumio
