# Sourced: exports the SYSDBA credentials that Debian's Firebird package keeps
# in its configuration folder, without changing them.
# shellcheck shell=bash
password_file=/etc/firebird/3.0/SYSDBA.password
if [ -r "$password_file" ]; then
  # shellcheck disable=SC1090
  . "$password_file"
  export ISC_USER ISC_PASSWORD
fi
