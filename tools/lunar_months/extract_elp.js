// One-off extraction of the lunar theory ELP/MPP02 (the version fitted to
// DE405) from the npm package astronomia (MIT licence) into the plain text
// file data/lunar_months/elp_mpp02_de405.txt.
//
//   cd /tmp && npm pack astronomia@4.3.0 && tar xzf astronomia-4.3.0.tgz
//   node tools/lunar_months/extract_elp.js /tmp/package data/lunar_months
//
// astronomia carries the series twice: complete (lib/data/elpMppDeFull.cjs)
// and without the terms below 0.001″ / 0.001 km in the time-independent part
// (lib/data/elpMppDe.cjs). The shorter one is taken; it departs from the
// complete one by under 0.1″ in longitude over 1799..2201 (0.2 s of a new
// moon), as `node extract_elp.js <pkg> <out> --compare` prints. Only the
// longitude W1 + ΣL and the distance ΣR are needed for new moons; the
// latitude series is left out.
'use strict';
const fs = require('fs');
const path = require('path');

const [pkg, out, flag] = process.argv.slice(2);
if (!pkg || !out) {
  console.error('usage: node extract_elp.js <astronomia package dir> <output dir> [--compare]');
  process.exit(2);
}
const version = JSON.parse(fs.readFileSync(path.join(pkg, 'package.json'), 'utf8')).version;
const elp = require(path.resolve(pkg, 'lib/data/elpMppDe.cjs')).default;

let text = '';
text += '# ELP/MPP02 lunar theory, fitted to DE405 (Chapront & Francou 2003), geocentric\n';
text += '# longitude and distance of the Moon referred to the inertial mean ecliptic of date\n';
text += "# and the departure point γ'2000.\n";
text += `# Source: npm astronomia ${version} (MIT), lib/data/elpMppDe.cjs ("${elp.name}"):\n`;
text += '# the series without terms below 0.001″ (0.001 km) in their time-independent part.\n';
text += '# T: Julian centuries TDB from J2000.0.\n';
text += '# W1 c0 c1 c2 c3 c4: mean longitude W1 = c0 + c1 T + .. + c4 T^4, radians.\n';
text += '# L|R power A f0 f1 f2 f3 f4: a term A sin(f0 + f1 T + .. + f4 T^4) T^power;\n';
text += '# L in arcseconds (added to W1), R in kilometres.\n';
text += `W1 ${elp.W1.join(' ')}\n`;
let count = 0;
for (const v of ['L', 'R']) {
  for (const p of Object.keys(elp[v]).sort()) {
    for (const row of elp[v][p]) {
      if (row.length !== 6) throw new Error(`unexpected row length ${row.length}`);
      text += `${v} ${p} ${row.join(' ')}\n`;
      ++count;
    }
  }
}
fs.writeFileSync(path.join(out, 'elp_mpp02_de405.txt'), text);
console.error(`elp_mpp02_de405.txt: ${count} terms`);

if (flag === '--compare') {
  const Moon = require(path.resolve(pkg, 'lib/elp.cjs')).default.Moon;
  const full = new Moon(require(path.resolve(pkg, 'lib/data/elpMppDeFull.cjs')).default);
  const short = new Moon(elp);
  let worst = 0;
  for (let jd = 2378131.5; jd < 2525323.5; jd += 9.73) {
    const t = (jd - 2451545) / 36525;
    const d = short._calcLBR(t).L - full._calcLBR(t).L;
    worst = Math.max(worst, Math.abs(Math.atan2(Math.sin(d), Math.cos(d))) * 206264.806);
  }
  console.error(`worst |short − complete| longitude 1799..2201: ${worst.toFixed(4)}″`);
}
