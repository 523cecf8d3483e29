#include "commands.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr const char* Usage =
    "usage: quillara-book dump FILE|DIR [--kind book|topics|questions|glossary|authors|scores]\n"
    "                          [--csv [--book DIR]]\n"
    "       quillara-book build SOURCE OUTDIR [--pictures DIR]...\n"
    "       quillara-book check DIR\n"
    "       quillara-book synth OUTDIR [--chapters N] [--questions N] [--terms N] [--scores N] "
    "[--seed S]\n"
    "       quillara-book show DIR CHAPTER [N] [--seed S] [--rtf] [--size PT]\n"
    "       quillara-book eval [--book DIR] [--set NAME=VALUE]... [--declare \"f(x) = ...\"]... "
    "EXPRESSION\n";

} // namespace

int main(int argc, char** argv) {
    using namespace quillara::tool;
    if (argc < 2) {
        std::cerr << Usage;
        return 2;
    }
    const std::string verb = argv[1];
    const Arguments args(argv + 2, argv + argc);
    try {
        if (verb == "dump") return RunDump(args);
        if (verb == "show") return RunShow(args);
        if (verb == "eval") return RunEval(args);
        if (verb == "build") return RunBuild(args);
        if (verb == "check") return RunCheck(args);
        if (verb == "synth") return RunSynth(args);
        if (verb == "--help" || verb == "-h" || verb == "help") {
            std::cout << Usage;
            return 0;
        }
        throw UsageError("unknown command \"" + verb + "\"");
    } catch (const UsageError& e) {
        std::cerr << "quillara-book: " << e.what() << "\n" << Usage;
        return 2;
    }
}
