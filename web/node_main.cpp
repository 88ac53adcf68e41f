// Quillmore under Node: plays as the native game does in a pipe, whatever its streams are, on
// the data files of the working directory: no wrapping, prompt, editing or progress. At a
// terminal, the key wait at the end of a won game still takes a single key.

#include <iostream>

#include "console/output.h"
#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/options.h"
#include "game/session.h"
#include "web/node_platform.h"
#include "world/data_files.h"

int main(int argc, char** argv) {
  using namespace quillmore;
  const options chosen = ReadOptions(argc, argv);
  const int status = AnswerOptions(chosen, std::cout);
  if (status != kPlay) {
    return status;
  }
  read_only_file_system disk;
  const data_texts data = ReadDataFiles(disk);
  node_platform system;
  stream_output out(std::cout);
  stream_output errors(std::cerr);
  session played(out, {});
  if (chosen.resume) {
    played.Note("This build keeps no games, so a new one begins.");
  }
  played.Start(data, errors);
  PlayPiped(played, system);
  return played.Status();
}
