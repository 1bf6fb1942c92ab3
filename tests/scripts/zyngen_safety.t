#!/usr/bin/perl
# The generator as a user meets it on a real disk: any name, failures that
# leave the previous target as it was, symbolic links, permissions.
use strict;
use warnings;
use utf8;
use Test::More;
use FindBin qw($Bin);
use File::Temp qw(tempdir);
use Encode qw(encode decode);
use POSIX ();
use lib "$Bin/lib";
use ScriptTest qw(run_script slurp spew);

my $GEN   = "$Bin/../../installation/lib/scripts/zyngen.pl";
my $PRINT = "$Bin/../../installation/lib/scripts/zynprint.pl";
my $C_DOC = slurp("$Bin/data/target_c.xdp");
my $ROOT  = $> == 0;

sub bytes { return encode( 'UTF-8', $_[0] ) }

sub xml_text {
    my ($text) = @_;
    $text =~ s/&/&amp;/g;
    $text =~ s/</&lt;/g;
    $text =~ s/"/&quot;/g;
    return $text;
}

# The C test document with extra carried text files (name => content).
sub doc_with {
    my (%files) = @_;
    my $extra = join '', map {
        '<NEWCMDFILE Name="' . xml_text($_) . '"><COMMENT/><VALUE>' . xml_text( $files{$_} )
          . "</VALUE></NEWCMDFILE>\n"
    } sort keys %files;
    ( my $doc = $C_DOC ) =~ s{</BUILD>}{$extra</BUILD>};
    return bytes($doc);
}

# Every entry of a directory tree: type, mode and content, for byte-exact comparisons.
sub snapshot {
    my ($dir) = @_;
    my %seen;
    my @pending = ('');
    while ( defined( my $rel = shift @pending ) ) {
        opendir my $dh, "$dir$rel" or next;
        for my $name ( grep { !/^\.\.?$/ } readdir $dh ) {
            my $path = "$dir$rel/$name";
            my @st   = lstat $path;
            my $kind = -l _ ? 'link:' . readlink $path : -d _ ? 'dir' : 'file:' . slurp($path);
            $seen{"$rel/$name"} = sprintf '%o %s', $st[2] & 07777, $kind;
            push @pending, "$rel/$name" if $kind eq 'dir';
        }
    }
    return \%seen;
}

sub temps_in {
    my ($dir) = @_;
    opendir my $dh, $dir or return [];
    return [ grep { /^\.zyn\./ } readdir $dh ];
}

subtest 'any Unicode name in every position' => sub {
    my @rows = (
        [ 'accented home and generate-in', 'Dévé/générés', 'cible.xdp',      'extra.txt' ],
        [ 'CJK generate-in',              '用户/生成',     'target.xdp',     'extra.txt' ],
        [ 'blanks everywhere',            'my dir/out in', 'my target.xdp',  'start it.sh' ],
        [ 'accented document name',       'out',           'Café Crème.xdp', 'extra.txt' ],
        [ 'CJK document name',            'out',           '目标.xdp',       'extra.txt' ],
        [ 'accented carried file',        'out',           'target.xdp',     'résumé.txt' ],
        [ 'CJK carried file',             'out',           'target.xdp',     '数据 文件.txt' ],
        [ 'all of them at once',          'Ünï/çødé 目录', 'Zoë 文档.xdp',   'ñame ü.cmd' ],
    );
    for my $row (@rows) {
        my ( $why, $gen_rel, $doc_name, $file ) = @$row;
        my $base = tempdir( CLEANUP => 1 );
        my $gen  = bytes("$base/$gen_rel");
        system( 'mkdir', '-p', $gen ) == 0 or die "mkdir: $!";
        my $doc = spew( bytes("$base/$doc_name"), doc_with( $file => "contenu é 内容\n" ) );
        my $result = run_script( $GEN, $doc, $gen );
        is $result->{status}, 0, "$why: generated" or diag decode( "UTF-8", $result->{err} );
        ( my $target = $doc_name ) =~ s/\.xdp$//;
        my $dir = bytes("$base/$gen_rel/$target");
        is slurp( bytes("$base/$gen_rel/$target/$file") ), bytes("contenu é 内容\n"),
          "$why: carried file under its own name";
        ok -f ( "$dir/" . bytes("$target.ini") ), "$why: settings file named after the document";
        like decode( 'UTF-8', slurp("$dir/zynbuild.pm") // '' ), qr/from \Q$doc_name\E/,
          "$why: document name shown as text";
        my $export = bytes("$base/$gen_rel/export ü.txt");
        my $printed = run_script( $PRINT, $doc, $export );
        is $printed->{status}, 0, "$why: exported" or diag $printed->{err};
        like decode( 'UTF-8', slurp($export) // '' ), qr/^Moravel document "\Q$doc_name\E"$/m,
          "$why: export names the document";
    }

    my $base    = tempdir( CLEANUP => 1 );
    my $missing = bytes("$base/nöt thére/目录");
    my $result  = run_script( $GEN, "$Bin/data/target_c.xdp", $missing );
    my $quoted  = bytes(qq{"$base/nöt thére/目录"});
    like $result->{err}, qr/\Q$quoted\E/, 'a message shows a path in UTF-8, as given';
    ( my $named = $C_DOC ) =~ s/Name="run\.sh"/Name="logo.bin"/;
    $result = run_script( $GEN, spew( "$base/n.xdp", bytes($named) ), $base );
    like $result->{err}, qr/"logo\.bin" is used twice/, 'a clash is named';
    ( $named = $C_DOC ) =~ s{Name="run\.sh"}{Name="é/x"};
    $result = run_script( $GEN, spew( "$base/u.xdp", bytes($named) ), $base );
    my $refused = bytes('"é/x" is not a plain file name');
    like $result->{err}, qr/\Q$refused\E/, 'a document text in a message is UTF-8';
};

# Each way a run can fail after the target exists: the previous files stay
# byte-identical and no temporary file is left.
subtest 'a failed run leaves the previous target as it was' => sub {
    my $big = 'x' x 300_000;
    my @rows = (
        [ 'directory in the way of a carried file',
            sub { my ($dir) = @_; unlink "$dir/zz.txt"; mkdir "$dir/zz.txt" }, {}, {} ],
        [ 'directory in the way of a generated file',
            sub { my ($dir) = @_; unlink "$dir/zynbuild.pm"; mkdir "$dir/zynbuild.pm" }, {}, {} ],
        [ 'full disk (file size limit)', sub { },
            { prefix => [ 'prlimit', '--fsize=100000', '--' ] }, { 'zz.txt' => $big } ],
        [ 'generate-in replaced by a symbolic link', sub { }, {}, {} , 'link generate-in' ],
    );
    push @rows, [ 'target directory not writable',
        sub { my ($dir) = @_; chmod 0555, $dir }, {}, {} ] unless $ROOT;
    push @rows, [ 'settings file in a read-only target',
        sub { my ($dir) = @_; chmod 0444, "$dir/t.ini"; chmod 0555, $dir }, {}, {} ] unless $ROOT;
    for my $row (@rows) {
        my ( $why, $break, $options, $files, $special ) = @$row;
        my $base = tempdir( CLEANUP => 1 );
        mkdir "$base/gen";
        my $doc = spew( "$base/t.xdp", doc_with( 'zz.txt' => 'old' ) );
        is run_script( $GEN, $doc, "$base/gen" )->{status}, 0, "$why: first run";
        spew( "$base/gen/t/mine.txt", 'not ours' );
        spew( $doc, doc_with(%$files) ) if %$files;
        ( my $changed = slurp($doc) ) =~ s/Gcc Linux/Gcc Linux 2/;
        spew( $doc, $changed );
        my $gen = "$base/gen";
        if ( $special && $special eq 'link generate-in' ) {
            symlink "$base/gen", "$base/link" or die "symlink: $!";
            $gen = "$base/link";
        }
        $break->("$base/gen/t");
        my $before = snapshot("$base/gen");
        my $result = run_script( $options, $GEN, $doc, $gen );
        chmod 0755, "$base/gen/t";
        isnt $result->{status}, 0, "$why: refused";
        like $result->{err}, qr/\Azyngen\.pl: [^\n]+\n\z/, "$why: one message line";
        chmod 0555, "$base/gen/t" if $why =~ /writable|read-only/;
        is_deeply snapshot("$base/gen"), $before, "$why: previous target byte-identical";
        chmod 0755, "$base/gen/t";
        is_deeply temps_in("$base/gen/t"), [], "$why: no temporary file left";
    }
};

subtest 'SIGTERM during a run' => sub {
    my $base = tempdir( CLEANUP => 1 );
    mkdir "$base/gen";
    my $doc = spew( "$base/t.xdp", doc_with( 'zz.txt' => 'old' ) );
    is run_script( $GEN, $doc, "$base/gen" )->{status}, 0, 'first run';
    my $before = snapshot("$base/gen");
    my $many   = doc_with( map { ( "big$_.txt" => 'y' x 4_000_000 ) } 1 .. 12 );
    spew( $doc, $many );
    my $seen_temp = 0;
    my $result = run_script(
        {
            meanwhile => sub {
                my ($pid) = @_;
                for ( 1 .. 3000 ) {
                    if ( @{ temps_in("$base/gen/t") } ) {
                        $seen_temp = 1;
                        last;
                    }
                    select undef, undef, undef, 0.005;
                }
                kill 'TERM', $pid;
            }
        },
        $GEN, $doc, "$base/gen"
    );
    ok $seen_temp, 'stopped while it was writing';
    is $result->{signal}, 15, 'ends by the signal, as a stopped process';
    is_deeply snapshot("$base/gen"), $before, 'previous target byte-identical';
    is_deeply temps_in("$base/gen/t"), [], 'its temporary files removed';
};

subtest 'stale temporary files of a killed run' => sub {
    my $base = tempdir( CLEANUP => 1 );
    mkdir "$base/gen";
    my $doc = spew( "$base/t.xdp", $C_DOC );
    run_script( $GEN, $doc, "$base/gen" );
    my $dead = fork // die;
    POSIX::_exit(0) unless $dead;
    waitpid $dead, 0;
    spew( "$base/gen/t/.zyn.$dead.123456.tmp", 'stale' );
    spew( "$base/gen/t/.zyn.$$.654321.tmp",    'a running run' );
    spew( "$base/gen/t/.zyn.keep.tmp",          'not a temporary name' );
    is run_script( $GEN, $doc, "$base/gen" )->{status}, 0, 'next run succeeds';
    is_deeply [ sort @{ temps_in("$base/gen/t") } ], [ sort ".zyn.$$.654321.tmp", '.zyn.keep.tmp' ],
      'the dead run\'s file removed, a living run\'s and other files kept';

    spew( "$base/.zyn.$dead.111111.tmp", 'stale export' );
    is run_script( $PRINT, $doc, "$base/out.txt" )->{status}, 0, 'an export succeeds';
    ok !-e "$base/.zyn.$dead.111111.tmp", '... and removes a killed export\'s file beside it';
};

subtest 'symbolic links at every level are refused' => sub {
    my @rows = (
        [ 'generate-in directory', 'gen' ],
        [ 'target directory',      'gen/t' ],
        map { [ $_, "gen/t/$_" ] } qw(t.ini zynbuild.pm zynlibconf.h run.sh logo.bin),
    );
    for my $row (@rows) {
        my ( $why, $link ) = @$row;
        my $base = tempdir( CLEANUP => 1 );
        my $doc  = spew( "$base/t.xdp", $C_DOC );
        mkdir "$base/gen";
        mkdir "$base/gen/t";
        mkdir "$base/elsewhere";
        spew( "$base/elsewhere/$_", "outside $_" ) for qw(t.ini zynbuild.pm zynlibconf.h run.sh logo.bin);
        my $real = $link =~ m{/t/} ? "$base/elsewhere/" . ( split m{/}, $link )[-1] : "$base/elsewhere";
        if ( $link eq 'gen' ) {
            rename "$base/gen", "$base/realgen";
            $real = "$base/realgen";
        }
        elsif ( $link eq 'gen/t' ) {
            rmdir "$base/gen/t";
        }
        symlink $real, "$base/$link" or die "symlink: $!";
        my $outside = snapshot("$base/elsewhere");
        my $result  = run_script( $GEN, $doc, "$base/gen" );
        isnt $result->{status}, 0, "$why: refused";
        like $result->{err}, qr/\Q$base\/$link"\E is a symbolic link/, "$why: message names the link";
        is_deeply snapshot("$base/elsewhere"), $outside, "$why: nothing written where it points";
    }
    my $base = tempdir( CLEANUP => 1 );
    mkdir "$base/gen";
    mkdir "$base/gen/";
    my $result = run_script( $GEN, spew( "$base/t.xdp", $C_DOC ), "$base/gen/" );
    is $result->{status}, 0, 'a trailing slash on a real directory is fine' or diag $result->{err};
};

subtest 'permissions kept' => sub {
    my $base = tempdir( CLEANUP => 1 );
    mkdir "$base/gen";
    my $doc = spew( "$base/t.xdp", $C_DOC );
    my $mode = sub { sprintf '%o', ( stat $_[0] )[2] & 07777 };
    run_script( { umask => 022 }, $GEN, $doc, "$base/gen" );
    is $mode->("$base/gen/t/run.sh"), '644', 'new file: 0666 less the umask 022';
    chmod 0750, "$base/gen/t/run.sh";
    chmod 0600, "$base/gen/t/t.ini";
    unlink "$base/gen/t/logo.bin";
    run_script( { umask => 077 }, $GEN, $doc, "$base/gen" );
    is $mode->("$base/gen/t/run.sh"),   '750', 'execute bit kept on regeneration';
    is $mode->("$base/gen/t/t.ini"),    '600', 'private file kept private';
    is $mode->("$base/gen/t/logo.bin"), '600', 'new file: 0666 less the umask 077';
    is $mode->("$base/gen/t/zynbuild.pm"), '644', 'unchanged mode kept';

    spew( "$base/out.txt", 'old export' );
    chmod 0600, "$base/out.txt";
    run_script( { umask => 022 }, $PRINT, $doc, "$base/out.txt" );
    is $mode->("$base/out.txt"), '600', 'export over a private file keeps it private';
    like slurp("$base/out.txt"), qr/^Moravel document/, '... and replaces its content';
    run_script( { umask => 022 }, $PRINT, $doc, "$base/new.txt" );
    is $mode->("$base/new.txt"), '644', 'new export: 0666 less the umask';
};

done_testing;
