// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCommandLineParser;

// The program's options are read before its windows start, so that --help
// and --version answer in a terminal with no display (over ssh, in a
// container, in a package build).
namespace command_line {

// The options the program takes: its description, --help and --version.
void describe(QCommandLineParser& options);

// Prints the help or the version and ends the program when the arguments ask
// for either; returns otherwise. Needs no application object yet.
void answerBeforeWindows(QCommandLineParser& options, int& argc, char* argv[]);

}  // namespace command_line
