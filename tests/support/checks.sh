# Sourced by the shell tests: counted checks and the closing summary.
failures=0 checks=0

pass() { checks=$((checks + 1)); }
fail() { checks=$((checks + 1)); failures=$((failures + 1)); echo "FAILED: $*" >&2; }
expect_eq() { if [ "$2" == "$3" ]; then pass; else fail "$1: expected [$3], got [$2]"; fi; }
expect_has() { if grep -qF -- "$3" <<<"$2"; then pass; else fail "$1: [$3] not in output:"; echo "$2" >&2; fi; }

# Prints the counts; the status is the verdict.
checks_summary() {
  echo "$((checks - failures)) passed, $failures failed"
  [ "$failures" -eq 0 ]
}
