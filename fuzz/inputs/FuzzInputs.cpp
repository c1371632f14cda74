// Writes the fuzz targets' dictionaries and seeds:
//   zyk_fuzz_inputs SOURCE_FOLDER DICTIONARY_FOLDER SEED_FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "Dictionary.h"
#include "FuzzVocabulary.h"
#include "SeedWriter.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE_FOLDER DICTIONARY_FOLDER SEED_FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    using namespace zyk::fuzz;
    const fs::path dictionaries = argv[2];
    fs::create_directories(dictionaries);
    const std::pair<const char*, Vocabulary> vocabularies[] = {
        {"evaluator", ExpressionVocabulary()},
        {"program", ProgramVocabulary()},
        {"keys", KeyVocabulary()},
        {"formula_file", FormulaFileVocabulary()},
        {"constant_file", ConstantFileVocabulary()},
        {"settings", SettingsVocabulary()},
        {"converter", ConverterVocabulary()},
        {"statistics", StatisticsVocabulary()},
    };
    for (const auto& [target, vocabulary] : vocabularies) {
        std::ofstream(dictionaries / (std::string(target) + ".dict")) << DictionaryText(vocabulary);
    }
    WriteSeeds(argv[1], argv[3]);
    return 0;
}
