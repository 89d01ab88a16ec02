# The same walk with python3-dbfread, for comparison with BM_WalkEveryField:
#   /usr/bin/python3 benchmarks/dbfread-walk.py <build>/benchmarks/bank
import os, shutil, sys, tempfile, time
import dbfread

folder = tempfile.mkdtemp()
shutil.copy(os.path.join(sys.argv[1], 'central.vqn'), os.path.join(folder, 'q.dbf'))
shutil.copy(os.path.join(sys.argv[1], 'central.vqt'), os.path.join(folder, 'q.dbt'))
best = None
for _ in range(5):
    start = time.perf_counter()
    table = dbfread.DBF(os.path.join(folder, 'q.dbf'), encoding='cp1250')
    characters = sum(len(str(value)) for record in table for value in record.values())
    elapsed = time.perf_counter() - start
    best = elapsed if best is None else min(best, elapsed)
print(f'dbfread open and walk of every field: {best * 1000:.1f} ms (best of 5, {characters} characters)')
shutil.rmtree(folder)
