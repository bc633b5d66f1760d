// template_generator: writes the program's window template block and its ids from the readable
// description in data/.
//
//     template_generator --description windows.txt --subs application_subs.txt
//                        --source template_block.cpp --header program_windows.h [--binary block.bin]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/template_generator/block_builder.h"
#include "tools/template_generator/description.h"
#include "tools/template_generator/generated_sources.h"
#include "tools/template_generator/sub_list.h"

namespace {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::filesystem::path& path, const void* data, size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file.good();
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "template_generator: %s\n", message.c_str());
    return 1;
}

// --name value pairs; false for anything else.
bool ParseArguments(int argc, char** argv, std::map<std::string, std::string>& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i];
        if (name.rfind("--", 0) != 0) {
            return false;
        }
        options[name.substr(2)] = argv[i + 1];
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::map<std::string, std::string> options;
    if (!ParseArguments(argc, argv, options) || !options.count("description") || !options.count("subs") ||
        !options.count("source") || !options.count("header")) {
        return Fail("usage: --description FILE --subs FILE --source FILE --header FILE [--binary FILE]");
    }
    const std::filesystem::path descriptionPath = options["description"];
    std::optional<std::string> descriptionText = ReadWholeFile(descriptionPath);
    std::optional<std::string> subsText = ReadWholeFile(options["subs"]);
    if (!descriptionText || !subsText) {
        return Fail("cannot read " + (descriptionText ? options["subs"] : descriptionPath.string()));
    }

    generator::Description description;
    std::vector<std::string> subs;
    rt::TemplateBlock block;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!generator::ParseSubList(*subsText, subs, error)) {
        return Fail(options["subs"] + ": " + error);
    }
    if (!generator::ParseDescription(*descriptionText, description, error) ||
        !generator::BuildTemplateBlock(description, subs, descriptionPath.parent_path(), block, error) ||
        !generator::WriteCheckedBlock(block, bytes, error)) {
        return Fail(descriptionPath.string() + ": " + error);
    }

    std::string source = generator::BlockSource(bytes);
    std::string header = generator::ProgramWindowsHeader(description, subs);
    if (!WriteWholeFile(options["source"], source.data(), source.size()) ||
        !WriteWholeFile(options["header"], header.data(), header.size()) ||
        (options.count("binary") && !WriteWholeFile(options["binary"], bytes.data(), bytes.size()))) {
        return Fail("cannot write the generated files");
    }
    return 0;
}
