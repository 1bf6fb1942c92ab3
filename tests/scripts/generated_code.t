#!/usr/bin/perl
# What the generator makes of each template and of the sample, handed to the
# compiler of its language: as shipped, and with every choice on an entry
# that enables its tabs, so that the code of every tab is compiled too.
use strict;
use warnings;
use Test::More;
use FindBin qw($Bin);
use File::Temp qw(tempdir);
use XML::LibXML;
use lib "$Bin/lib";
use ScriptTest qw(run_script slurp spew);

my $GEN   = "$Bin/../../installation/lib/scripts/zyngen.pl";
my $XML   = "$Bin/../../installation/targets/xml";
my $STUBS = "$Bin/data/stubs";

sub have { return !system "command -v $_[0] >/dev/null 2>&1" }

# Each kind of generated file, the tool that checks it, and the command (run in the target directory).
my @CHECKS = (
    [ qr/\.h\z/,    'gcc',   sub { "gcc -fsyntax-only -Wall -x c $_[0]" } ],
    [ qr/\.h\z/,    'g++',   sub { "g++ -fsyntax-only -Wall -x c++ $_[0]" } ],
    [ qr/\.adb\z/,  'gnat',  sub { "gcc -c -gnatc $_[0]" } ],
    [ qr/\.ads\z/,  'gnat',  sub { -e ( $_[0] =~ s/s\z/b/r ) ? undef : "gcc -c -gnatc $_[0]" } ],
    [ qr/\.java\z/, 'javac', sub { "javac -nowarn -d classes -sourcepath $STUBS $_[0]" } ],
    [ qr/\.c\z/,    'gcc',   sub { "gcc -fsyntax-only -Wall -I$STUBS $_[0]" } ],
    [ qr/\.sh\z/,   'sh',    sub { "sh -n $_[0]" } ],
    [ qr/\.pm\z/,   'perl',  sub { qq{"$^X" -c $_[0]} } ],
);

# The document with every choice set to its first entry that enables tabs.
sub all_tabs {
    my ($file) = @_;
    my $doc = XML::LibXML->load_xml( location => $file, load_ext_dtd => 0, no_network => 1 );
    for my $choice ( $doc->findnodes('//CHOICE') ) {
        my ($entry) = $choice->findnodes('CHOICEDATA[@Sensitive="1"]') or next;
        $choice->setAttribute( Value => $entry->textContent );
    }
    for my $macro ( $doc->findnodes('//OPTIONAL_MACRO') ) {
        $macro->setAttribute( Defined => 1 );
    }
    return $doc->toString;
}

my %accepted;    # template => file => tools
my @documents = ( map { [ $_, slurp("$XML/$_.xdp") ] } qw(templatec templatea templatej2se templatej2me) );
push @documents, [ 'gcc-linux', slurp("$Bin/../../samples/gcc-linux.xdp") ];
for my $row (@documents) {
    my ( $name, $shipped ) = @$row;
    my $base = tempdir( CLEANUP => 1 );
    my $source = spew( "$base/$name.xdp", $shipped );
    mkdir "$base/all";
    my @variants = ( [ 'as shipped', $source ], [ 'all tabs', spew( "$base/all/$name.xdp", all_tabs($source) ) ] );
    subtest $name => sub {
        for my $variant (@variants) {
            my ( $why, $doc ) = @$variant;
            my $gen    = tempdir( CLEANUP => 1 );
            my $result = run_script( $GEN, $doc, $gen );
            is $result->{status}, 0, "$why: generated" or diag $result->{err};
            my $dir = "$gen/$name";
            opendir my $dh, $dir or next;
            my @files = sort grep { !/^\./ && !/\.ini\z/ } readdir $dh;
            mkdir "$dir/classes";
            for my $file (@files) {
                for my $check ( grep { $file =~ $_->[0] } @CHECKS ) {
                    my ( undef, $tool, $command ) = @$check;
                    my $line = $command->($file) // next;
                    SKIP: {
                        skip "$tool is not installed", 1 unless have($tool);
                        my $output = `cd "$dir" && $line 2>&1`;
                        is $?, 0, "$why: $file accepted by $tool" or diag $output;
                        $accepted{$name}{$file}{$tool}++ if !$? && $why eq 'as shipped';
                    }
                }
            }
        }
    };
}

note join "\n", map {
    my $name = $_;
    "$name: " . join ', ', map { "$_ (" . join( ', ', sort keys %{ $accepted{$name}{$_} } ) . ')' }
      sort keys %{ $accepted{$name} }
} sort keys %accepted;

done_testing;
