#pragma once

namespace quorvane::probes {

// Serves the NT sampler over standard input and output, so a script can take
// the kernel's own figures at the same moments: "q" answers with the usage
// since the previous "q" (the first since start-up), "x" ends.
int ServeCpuSampler();

}  // namespace quorvane::probes
