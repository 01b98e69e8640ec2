// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QCoreApplication;

// The command line of the package's three programs, read before any window
// can start, so that --help and --version answer in a terminal with no
// display (over ssh, in a container, in a package build, where help2man
// writes the manual pages from them).
namespace command_line {

constexpr int kFailed = 1;  // no display, or an answer that could not be written
constexpr int kBadUsage = 2;

// An argument after the options, as the help lists it.
struct Argument {
  QString name;
  QString description;
  QString syntax;  // as the usage line shows it: "[FILE]"
};

// What one program says about its command line.
struct Program {
  // The name typed to start it: the usage line and every message begin with it.
  QString command;
  QString description;
  std::vector<Argument> arguments = {};
  // More arguments than this are bad usage, refused before anything is
  // answered, for `tooManyArguments`; a program whose arguments depend on a
  // command checks them itself.
  std::optional<int> mostArguments = std::nullopt;
  QString tooManyArguments = {};
};

// The arguments as the program was given them, before any application
// object exists.
QStringList argumentsOf(int argc, char* argv[]);

class ProgramOptions {
 public:
  explicit ProgramOptions(Program program);

  // The programs that answer in a terminal (the table tool, the editor):
  // reads `arguments`, where an option of no program is bad usage, and
  // prints the help, the version ("COMMAND (Torvak Utilities) VERSION") or
  // what is wrong. Returns the exit status when the program ends there: 0,
  // or kFailed when the answer could not be written.
  std::optional<int> answerInTerminal(const QStringList& arguments);

  // The main program: prints the help or the version when the arguments ask
  // for either, as answerInTerminal does, though the usage line names the
  // path the program was started by; returns the exit status then, nothing
  // otherwise. Qt's own options (-platform, -style) are left to the GUI and
  // to refuseUnknown. Needs no application object. On Windows, where a
  // program without a console has nowhere to print, Qt's parser shows them
  // in a message box and ends the program itself.
  std::optional<int> answerBeforeWindows(int& argc, char* argv[]);
  // Once the GUI has taken its own options, anything left unknown ends the
  // program with Qt's message.
  void refuseUnknown(const QCoreApplication& app);

  // Says on standard error, in one line, that a windowed program has no
  // display to open its windows on; returns the exit status then.
  std::optional<int> refuseWithoutDisplay(int argc, char* argv[]) const;

  // "COMMAND: why" and "Try 'COMMAND --help'." on standard error.
  int refuseUsage(const QString& why) const;

  QStringList arguments() const { return parser_.positionalArguments(); }

 private:
  // The help, its usage line naming the program `name`.
  QString helpText(const QString& name) const;
  // "COMMAND (Torvak Utilities)", which the version follows.
  QString versionName() const;
  // Prints the version or the help; the exit status.
  int answer(bool version, const QString& name) const;

  Program program_;
  QCommandLineParser parser_;
};

}  // namespace command_line
