# Copies the text file ${in} to ${out} with Windows line ends, for the
# readers of the zip and of the setup program:
#   cmake -D in=FILE -D out=FILE -P crlf.cmake
file(READ "${in}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${out}" "${text}")
