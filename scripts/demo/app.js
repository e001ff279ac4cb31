// A small script to debug: it counts, and logs every second, so there is always something to see.
let ticks = 0;

function tick() {
  ticks += 1;
  const message = `tick ${ticks}`;
  console.log(message);
}

setInterval(tick, 1000);
