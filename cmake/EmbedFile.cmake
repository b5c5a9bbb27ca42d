# Script mode: turns IN into a C++ source defining SYMBOL as a std::string_view.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUT}"
    "#include <string_view>\n"
    "namespace { const char data[] = {${bytes} 0}; }\n"
    "extern const std::string_view ${SYMBOL};\n"
    "const std::string_view ${SYMBOL}{data, ${size}};\n")
