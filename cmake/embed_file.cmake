# Writes a C++ source holding a file's bytes, so the program carries its artwork with it.
# cmake -DINPUT=file -DOUTPUT=source.cpp -DHEADER=name.h -DFUNCTION=Name -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n"
"#include \"${HEADER}\"\n\n"
"namespace quellan {\nnamespace {\n\n"
"constexpr std::uint8_t kBytes[] = {\n    ${bytes}\n};\n\n"
"}  // namespace\n\n"
"std::span<const std::uint8_t> ${FUNCTION}() {\n    return kBytes;\n}\n\n"
"}  // namespace quellan\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
