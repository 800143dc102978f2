# Writes the text of the file IN into the C++ source OUT as the constant
# `extern const char NAME[]`.  cmake -DIN=... -DOUT=... -DNAME=... -P embed_text.cmake
file(READ "${IN}" text)
file(WRITE "${OUT}.new"
  "// Generated at build time from ${IN}; do not edit.\n"
  "extern const char ${NAME}[];\n"
  "const char ${NAME}[] = R\"embedded_text(${text})embedded_text\";\n")
file(RENAME "${OUT}.new" "${OUT}")
