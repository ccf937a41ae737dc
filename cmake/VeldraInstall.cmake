# The install layout: every program and data file in one program directory,
# with links to the programs in <prefix>/bin. Programs find their directory
# from their real path, so they work when started through the links.
# Set in every including directory's scope; the functions below are global.
set(VELDRA_PROGRAM_DIR lib/veldra)
include_guard(GLOBAL)

# Installs a link <prefix>/bin/<name> -> ../lib/veldra/<name>.
function(veldra_install_link name)
  install(CODE "
    set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin_dir}\")
    file(REMOVE \"\${bin_dir}/${name}\")
    file(CREATE_LINK \"../${VELDRA_PROGRAM_DIR}/${name}\" \"\${bin_dir}/${name}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin_dir}/${name} -> ../${VELDRA_PROGRAM_DIR}/${name}\")
  ")
endfunction()
