#include "engraving_command.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "command_line.h"
#include "engraving_program.h"
#include "outline_source.h"
#include "replaced_file.h"
#include "svg_picture.h"

#ifndef SCRIVAFRESA_VERSION
#define SCRIVAFRESA_VERSION "unknown"
#endif

namespace scrivafresa::cli {
namespace {

int Say(int status, const std::string& message) {
    std::fprintf(stderr, "scrivafresa-cli: %s\n", message.c_str());
    return status;
}

bool WriteToStandardOutput(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

int Engrave(const EngraveRequest& request) {
    std::unique_ptr<OutlineSource> source = request.fontFile
                                                ? std::make_unique<OutlineSource>(*request.fontFile)
                                                : std::make_unique<OutlineSource>();
    // Refused before anything is engraved, also for an empty text: the font is the same.
    const ResolvedFace face = source->Resolve(request.font);
    if (!face.usable)
        return Say(kExitFailed, face.problem.empty()
                                    ? "no usable font for \"" + request.font.Name + "\""
                                    : face.problem);

    ProgramSettings settings;
    settings.scale = request.scale;
    settings.travelHeight = request.travelHeight;
    settings.engravingDepth = request.engravingDepth;
    const TextOutline outline = source->GetTextOutline(request.text, request.font);
    const EngravingProgram program = request.controller
                                         ? GenerateProgram(outline, settings, *request.controller)
                                         : GenerateProgram(outline, settings);

    // Both files are written in full before either replaces what was there.
    std::optional<ReplacedFile> output, picture;
    if (request.outputFile) {
        output.emplace(*request.outputFile);
        if (!output->Write(program.text)) return Say(kExitFailed, output->Problem());
    }
    if (request.svgFile) {
        picture.emplace(*request.svgFile);
        if (!picture->Write(DrawToolpathSvg(program))) return Say(kExitFailed, picture->Problem());
    }
    if (output && !output->Commit()) return Say(kExitFailed, output->Problem());
    if (picture && !picture->Commit()) return Say(kExitFailed, picture->Problem());
    if (!output && !WriteToStandardOutput(program.text))
        return Say(kExitFailed, "cannot write the program to standard output");

    std::fprintf(stderr, "%s\n", program.extents.c_str());
    return kExitDone;
}

}  // namespace

int RunEngravingCommand(const std::vector<std::string>& arguments) {
    const CommandLine line = ReadCommandLine(arguments);
    switch (line.action) {
        case Action::ShowHelp:
            return WriteToStandardOutput(UsageText()) ? kExitDone : kExitFailed;
        case Action::ShowVersion:
            return WriteToStandardOutput("scrivafresa-cli " SCRIVAFRESA_VERSION "\n") ? kExitDone
                                                                                      : kExitFailed;
        case Action::RefuseUsage:
            return Say(kExitUsage, line.problem);
        case Action::Engrave:
            break;
    }
    try {
        return Engrave(line.request);
    } catch (const std::exception& e) {
        return Say(kExitFailed, e.what());
    }
}

}  // namespace scrivafresa::cli
