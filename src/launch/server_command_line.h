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

// The line as the server receives it. Values go in as typed, unchecked and untrimmed; the
// executable's path and the mod folder are quoted when they hold a blank or a character the
// command interpreter treats specially, so that each stays one word.
std::string serverCommandLine(const ServerOptions& options);
