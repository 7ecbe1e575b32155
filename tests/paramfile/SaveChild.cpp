// Saves parameter sets the way the command-line tool does, signal undo steps included, in a
// process of its own: run as another user, or ended by a signal midway through a save.
//   paramfile_save_child PATH SEED          one save of the set of that seed
//   paramfile_save_child PATH SEED again    saves SEED and SEED + 1 by turns until ended
#include "ComboItems.h"
#include "FieldStore.h"
#include "ParameterFile.h"
#include "ParameterFileFixture.h"
#include "SignalUndo.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        return 2;
    }
    morvent::installSignalUndo();
    const int seed = std::stoi(argv[2]);
    morvent::FieldStore fields;
    morvent::fillParameterCombos(fields);
    for (int round = 0;; round = 1 - round) {
        morvent::test::fillWithDistinctValues(fields, seed + round);
        try {
            morvent::SaveParameterFile(fields, argv[1]);
        } catch (const std::exception& error) {
            std::fputs(error.what(), stderr);
            return 1;
        }
        if (argc < 4) {
            return 0;
        }
    }
}
