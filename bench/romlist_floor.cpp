// The least a ROM list can cost, as a plain C program would write it: each ROM of the folder
// opened once, its size and header read, the rows sorted by name and written to a file.
//   romlist_floor DIR          writes DIR/floor.txt, a row a line
//   romlist_floor DIR --html   writes DIR/floor.html, each row as the list page marks it up
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Row {
    std::string name;
    long long size;
    char title[17];
    unsigned char type, romSize;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool html = argc == 3 && std::strcmp(argv[2], "--html") == 0;
    if (argc != 2 && !html)
        return 2;
    DIR* dir = opendir(argv[1]);
    if (!dir)
        return 1;
    std::vector<Row> rows;
    while (const dirent* entry = readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        if (entry->d_name[0] == '.' || length < 3 ||
            strcasecmp(entry->d_name + length - 3, ".gb") != 0)
            continue;
        const int fd = openat(dirfd(dir), entry->d_name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status;
        unsigned char header[0x15];
        Row row{entry->d_name, 0, {}, 0, 0};
        if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            pread(fd, header, sizeof header, 0x134) == ssize_t(sizeof header)) {
            row.size = status.st_size;
            std::memcpy(row.title, header, 16);
            row.type = header[0x147 - 0x134];
            row.romSize = header[0x148 - 0x134];
        }
        close(fd);
        rows.push_back(row);
    }
    closedir(dir);
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return strcasecmp(a.name.c_str(), b.name.c_str()) < 0;
    });
    const std::string out = std::string(argv[1]) + (html ? "/floor.html" : "/floor.txt");
    FILE* list = std::fopen(out.c_str(), "w");
    if (!list)
        return 1;
    for (const Row& row : rows) {
        const long long kb = (row.size + 1023) / 1024;
        if (!html) {
            std::fprintf(list, "|%-20s | %-20s | %02x | %02x | %lld Kb |\r\n", row.name.c_str(),
                         row.title, row.type, row.romSize, kb);
            continue;
        }
        std::fprintf(list,
                     "<tr><td><a href=\"%s\"><font size=\"2\" face=\"Arial\">%s</font></a>"
                     "</td>\r\n<td><font size=\"2\" face=\"Arial\"><em><strong>%s</strong>"
                     "</em></font></td>\r\n<td align=\"center\"><font size=\"2\" "
                     "face=\"Arial\">%02x</font></td>\r\n<td align=\"center\"><font size=\"2\" "
                     "face=\"Arial\">%02x</font></td>\r\n<td><font size=\"2\" face=\"Arial\">"
                     "%lld Kb</font></td></tr>\r\n",
                     row.name.c_str(), row.name.c_str(), row.title, row.type, row.romSize, kb);
    }
    std::fclose(list);
    return 0;
}
