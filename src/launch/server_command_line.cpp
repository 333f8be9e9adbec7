#include "launch/server_command_line.h"

#include "app/batch_text.h"

std::string serverCommandLine(const ServerOptions& options) {
  std::string line = quotedIfSpecial(options.executable) + " -game " + quotedIfSpecial(options.mod);
  if (options.console) line += " -console";
  if (!options.ipx) line += " -noipx";
  line += " +port " + options.port;
  line += " +maxplayers " + options.maxPlayers;
  line += " +map " + options.firstMap;
  // The listen server's option ends in a blank: its line has two before the next one.
  line += options.dedicated ? " +servercfgfile zarn_server.cfg" : " +lservercfgfile zarn_lserver.cfg ";
  line += " +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt ";
  return line + options.extraParameters;
}
