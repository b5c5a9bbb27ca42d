#include "reader/form_file.h"

namespace lumio {

namespace {

std::string_view FirstWord(std::string_view s) {
    const std::size_t end = s.find_first_of(" \t");
    return s.substr(0, end);
}

// The nesting levels of a form file.
enum class Level { Outside, Form, Control, Properties, Done };

class FormReader {
public:
    Form Read(std::string_view text) {
        const int lastLine =
            ForEachContentLine(text, 1, [&](std::string_view s, int line) { Line(s, line); });
        if (level_ != Level::Done) {
            throw PropertySetError(OpenName(), "End", lastLine,
                                   "the file ends before this block is closed");
        }
        return std::move(form_);
    }

private:
    void Line(std::string_view s, int line) {
        if (level_ == Level::Done) {
            throw PropertySetError(form_.name, std::string(FirstWord(s)), line,
                                   "text after the form's End");
        }
        const std::string_view word = FirstWord(s);
        if (EqualsIgnoringAsciiCase(word, "Begin")) {
            Begin(TrimLine(s.substr(word.size())), line);
        } else if (EqualsIgnoringAsciiCase(word, "End") && s.size() == word.size()) {
            End(line);
        } else {
            Setting(s, line);
        }
    }

    void Begin(std::string_view rest, int line) {
        const std::string_view kind = FirstWord(rest);
        const std::string_view name = TrimLine(rest.substr(kind.size()));
        switch (level_) {
        case Level::Outside:
            RequireName(kind, name, line);
            form_.kind = std::string(kind);
            form_.name = std::string(name);
            form_.settings = PropertyBag(form_.name);
            level_ = Level::Form;
            return;
        case Level::Form: {
            RequireName(kind, name, line);
            if (form_.Find(name) != nullptr) {
                throw PropertySetError(std::string(name), "Begin", line,
                                       "a control of this name already exists");
            }
            FormControl c;
            c.kind = std::string(kind);
            c.name = std::string(name);
            c.line = line;
            c.settings = PropertyBag(c.name);
            form_.controls.push_back(std::move(c));
            level_ = Level::Control;
            return;
        }
        case Level::Control: {
            FormControl& c = form_.controls.back();
            if (!EqualsIgnoringAsciiCase(kind, "Properties") || !name.empty()) {
                throw PropertySetError(c.name, "Begin", line,
                                       "only a Properties block may open inside a control");
            }
            if (c.properties) {
                throw PropertySetError(c.name, "Begin", line, "a second Properties block");
            }
            c.properties = PropertyBag(c.name);
            level_ = Level::Properties;
            return;
        }
        default:
            throw PropertySetError(OpenName(), "Begin", line, "a block may not open here");
        }
    }

    void RequireName(std::string_view kind, std::string_view name, int line) const {
        if (kind.empty() || name.empty() || name.find_first_of(" \t") != std::string_view::npos) {
            throw PropertySetError(OpenName(), "Begin", line, "expected `Begin <kind> <name>`");
        }
    }

    void End(int line) {
        switch (level_) {
        case Level::Form:
            level_ = Level::Done;
            return;
        case Level::Control:
            level_ = Level::Form;
            return;
        case Level::Properties:
            level_ = Level::Control;
            return;
        default:
            throw PropertySetError(OpenName(), "End", line, "End without a matching Begin");
        }
    }

    void Setting(std::string_view s, int line) {
        PropertyBag* bag = nullptr;
        switch (level_) {
        case Level::Form:
            bag = &form_.settings;
            break;
        case Level::Control:
            bag = &form_.controls.back().settings;
            break;
        case Level::Properties:
            bag = &*form_.controls.back().properties;
            break;
        default:
            throw PropertySetError(OpenName(), std::string(FirstWord(s)), line,
                                   "a setting outside of any block");
        }
        bag->AddAssignment(s, line);
    }

    std::string OpenName() const {
        if ((level_ == Level::Control || level_ == Level::Properties) && !form_.controls.empty()) {
            return form_.controls.back().name;
        }
        return form_.name;
    }

    Form form_;
    Level level_ = Level::Outside;
};

} // namespace

const FormControl* Form::Find(std::string_view controlName) const {
    for (const FormControl& c : controls) {
        if (EqualsIgnoringAsciiCase(c.name, controlName)) {
            return &c;
        }
    }
    return nullptr;
}

Form ParseForm(std::string_view text) {
    return FormReader().Read(text);
}

} // namespace lumio
