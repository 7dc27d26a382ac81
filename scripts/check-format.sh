#!/usr/bin/env bash
# Checks that the lines a change touches follow .clang-format; the test
# command runs it before building.
#   scripts/check-format.sh [base]
# The change runs from base (HEAD~1 by default) to the work tree. CI tests
# main as it lands: a branch comes in by a merge, whose first parent is main
# before it, so HEAD~1 holds the whole branch; a commit made on main is
# checked alone. Before a branch lands, check all of it with
# scripts/check-format.sh main.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-HEAD~1}
if ! git rev-parse --verify --quiet "$base^{commit}" >/dev/null; then
  # A history of one commit has nothing before it; a base named wrongly is a fault.
  if [ $# -eq 0 ]; then
    echo "check-format: no commit before HEAD, nothing checked"
    exit 0
  fi
  echo "check-format: $base is not a commit" >&2
  exit 1
fi
# Debian names the binaries after their version.
git_clang_format=$(command -v git-clang-format-14 || command -v git-clang-format) \
  || { echo "check-format: git-clang-format is missing (scripts/setup.sh installs it)" >&2; exit 1; }
clang_format=$(command -v clang-format-14 || command -v clang-format) \
  || { echo "check-format: clang-format is missing (scripts/setup.sh installs it)" >&2; exit 1; }
diff=$("$git_clang_format" --binary "$clang_format" --diff "$base")
if grep -q '^diff --git' <<<"$diff"; then
  echo "$diff"
  echo "check-format: the lines above, changed since $base, do not follow .clang-format;" \
       "git clang-format $base formats them" >&2
  exit 1
fi
echo "check-format: the lines changed since $base follow .clang-format"
