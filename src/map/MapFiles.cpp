#include "map/MapFiles.h"

#include <fstream>

#include "base/AtomicFile.h"
#include "base/RecordWords.h"

namespace {

// Words past the last field are dropped; missing fields stay empty.
TableRow splitRow(const std::string& line) {
    TableRow row;
    std::size_t pos = 0;
    for (std::string& field : row) field = nextRecordWord(line, pos);
    return row;
}

}  // namespace

bool readMapFile(const std::string& path, TextTable& table, std::ostream& console) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    int lines = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (lines < kMaxMapObjects) table.rows[lines] = splitRow(line);
        ++lines;
    }
    table.count = lines < kMaxMapObjects ? lines : kMaxMapObjects;
    if (lines > kMaxMapObjects) {
        console << path << "：只读取前 " << kMaxMapObjects << " 行，其余 " << (lines - kMaxMapObjects)
                << " 行已忽略" << std::endl;
    }
    return true;
}

std::string mapFileText(const TextTable& table) {
    std::string text;
    for (int i = 0; i < table.count; ++i) {
        const TableRow& row = table.rows[i];
        for (int field = 0; field < kFieldsPerRow; ++field) {
            if (field > 0) text += ' ';
            text += row[field];
        }
        text += "\r\n";
    }
    return text;
}

bool writeMapFile(const std::string& path, const TextTable& table) {
    return writeFileAtomically(path, mapFileText(table));
}

bool writeBothMapFiles(const std::string& spotsPath, const TextTable& spots, const std::string& roadsPath,
                       const TextTable& roads) {
    return writeFilesTogether({{spotsPath, mapFileText(spots)}, {roadsPath, mapFileText(roads)}});
}

bool recoverMapFiles(const std::string& spotsPath, const std::string& roadsPath) {
    return recoverFilesTogether({spotsPath, roadsPath});
}
