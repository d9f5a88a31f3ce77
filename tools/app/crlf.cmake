# cmake -DINPUT=<file> -DOUTPUT=<file> -P crlf.cmake
# Copies a text file with every line ended by CR LF, as mail files want.
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}.tmp" "${text}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
