#pragma once
// The headless companion's commands; each returns the process exit status.

namespace gyrelune::cli {

int evalCommand(int argc, char** argv);   // argv[0] is "eval"
int renderCommand(int argc, char** argv); // argv[0] is "render"
int searchCommand(int argc, char** argv); // argv[0] is "search"

} // namespace gyrelune::cli
