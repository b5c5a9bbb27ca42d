#pragma once

#include "reader/controls.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace lumio {

// The file-open dialog `dlg1`. It remembers the file last picked and opens there.
class QtOpenDialog : public OpenDialog {
public:
    explicit QtOpenDialog(QWidget* parent) : parent_(parent) {}

    void SetFilter(std::u16string_view filter) override;
    bool ShowOpen() override;
    std::u16string FileName() const override;

    // The filter in Qt's form: "description (pattern);;...".
    const QString& qtFilter() const { return qtFilter_; }
    // "desc|pattern|desc|pattern" in Qt's form.
    static QString QtFilterFor(std::u16string_view filter);

    // Tests answer the dialog themselves: a path to pick, or an empty string to cancel.
    std::function<QString(const QString& filter, const QString& start)> replacement;

private:
    QWidget* parent_;
    QString qtFilter_;
    QString fileName_;
};

} // namespace lumio
