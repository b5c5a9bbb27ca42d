#include "reader/main_msg_form.h"

extern const std::string_view MainMsgForm;

namespace lumio {

std::string_view MainMsgFormText() {
    return ::MainMsgForm;
}

Form LoadMainMsgForm() {
    return ParseForm(::MainMsgForm);
}

} // namespace lumio
