# The dedicated switch: the command line starts hlds.exe and names the dedicated server's
# configuration file, which the Server Configuration page then builds.
drive dedicated <<SCRIPT || true
launch "$zarn_exe"
$(open_command_line valve canal)
click chkDedicated
expect txtExec text C:\Sierra\Half-Life\hlds.exe
expect txtFileContents text "C:\Sierra\Half-Life\hlds.exe -game valve -console -noipx +port 27015 +maxplayers 8 +map canal +servercfgfile zarn_server.cfg +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt -heapsize 64000"
click cmdCommandOK
click optServerFile
expect frmInfo text zarn_server.cfg
close
ended
SCRIPT
