# Writes the fuzz targets' starting corpora from the sample data files. The
# pieces of an input are joined with the piece separator, byte 0x1E.
string(ASCII 30 separator)
file(READ ${DATA_DIR}/cross.txt spots)
file(READ ${DATA_DIR}/route.txt roads)
file(READ ${DATA_DIR}/users.txt users)

function(corpus_file target name text)
  file(MAKE_DIRECTORY ${CORPUS_DIR}/${target})
  file(WRITE ${CORPUS_DIR}/${target}/${name} "${text}")
endfunction()

# The spots file, then the roads file; each alone; a map without roads.
corpus_file(MapFiles sample "${spots}${separator}${roads}")
corpus_file(MapFiles spots-only "${spots}${separator}")
corpus_file(MapFiles roads-only "${separator}${roads}")

# The users file, a typed name and a typed password (UTF-8).
corpus_file(UsersFile known "${users}${separator}alice${separator}2024abc")
corpus_file(UsersFile new "${users}${separator}新用户${separator}pw2025")
corpus_file(UsersFile empty-file "${separator}小明${separator}xm8888")

# GBK text and numbers as the files hold them; the first spot row as the six
# property values.
corpus_file(TextConvert spots "${spots}")
corpus_file(TextConvert users "${users}")
string(REGEX MATCH "^[^\r\n]*" firstRow "${spots}")
string(REPLACE " " "${separator}" firstValues "${firstRow}")
corpus_file(TextConvert values "${firstValues}")
corpus_file(TextConvert numbers "-2147483648 3.5e38 0.000001 1e-45")
