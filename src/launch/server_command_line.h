// The line that starts the game server, from the Command Line page's values.
#pragma once

#include <string>

struct ServerOptions {
  std::string executable;  // as typed
  std::string mod;         // the mod folder name as listed
  bool console = false;
  bool ipx = false;
  std::string port;
  std::string maxPlayers;
  std::string firstMap;
  bool dedicated = false;
  std::string extraParameters;
};

// Values go in as typed, unchecked and untrimmed; only an executable path with a blank is
// quoted, so that the command interpreter runs the batch holding this line.
std::string serverCommandLine(const ServerOptions& options);
