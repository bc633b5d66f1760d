# cmake -DINPUT=file -DOUTPUT=file.inc -P EmbedBytes.cmake
# Writes the bytes of INPUT as a comma-separated list of hexadecimal literals, to be included
# inside a brace initializer.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "${bytes}\n")
