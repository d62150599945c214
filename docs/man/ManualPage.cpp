// Makes a manual page from its template and a program's usage table: "vantorel_manual_page PROGRAM
// TEMPLATE OUT", PROGRAM being vantorel or vantorel-cli. Run by the build.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cmdline/Usage.h"

int main(int argc, char* argv[]) {
    using namespace vantorel::cmdline;
    if (argc != 4) {
        std::cerr << "usage: vantorel_manual_page vantorel|vantorel-cli TEMPLATE OUT\n";
        return 1;
    }
    const std::string program = argv[1];
    std::ifstream in(argv[2], std::ios::binary);
    std::ostringstream manualTemplate;
    manualTemplate << in.rdbuf();
    if (!in || (program != "vantorel" && program != "vantorel-cli")) {
        std::cerr << "vantorel_manual_page: cannot make the page of " << program << " from " << argv[2]
                  << "\n";
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << ManualPage(program == "vantorel" ? DesktopUsage() : CliUsage(), manualTemplate.str());
    return out.good() ? 0 : 1;
}
